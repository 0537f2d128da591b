#include "dialogs/EntryDlg.h"

#include "dialogs/DialogParts.h"
#include "resources/StringTable.h"

#include <QHBoxLayout>
#include <QLineEdit>
#include <QPushButton>

CEntryDlg::CEntryDlg(QWidget* parent)
    : CMemberDlg(parent), m_strCaption(QString::fromUtf8(Strings::kEntryCaption))
{
    setWindowTitle(m_strCaption);
    m_pText = DialogParts::NewEdit(QStringLiteral("entryEdit"), 105, *this);
    auto* ok = new QPushButton(QString::fromUtf8(Strings::kOkButton), this);
    ok->setObjectName(QStringLiteral("confirmButton"));
    ok->setDefault(true);
    connect(ok, &QPushButton::clicked, this, &QDialog::accept);

    auto* layout = new QHBoxLayout(this);
    layout->addWidget(m_pText);
    layout->addWidget(ok);
    layout->setSizeConstraint(QLayout::SetFixedSize);
}

void CEntryDlg::LoadControls()
{
    setWindowTitle(m_strCaption);
    m_pText->setText(m_strText);
}

void CEntryDlg::StoreControls()
{
    m_strText = m_pText->text();
}
