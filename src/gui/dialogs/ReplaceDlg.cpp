#include "dialogs/ReplaceDlg.h"

#include "dialogs/DialogParts.h"
#include "resources/StringTable.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QVBoxLayout>

using namespace DialogParts;

CReplaceDlg::CReplaceDlg(QWidget* parent) : CMemberDlg(parent)
{
    setWindowTitle(QString::fromUtf8(Strings::kReplaceCaption));
    m_pFind = NewEdit(QStringLiteral("findEdit"), 105, *this);
    m_pReplace = NewEdit(QStringLiteral("replaceEdit"), 105, *this);
    m_pWholeWord = NewCheckBox(Strings::kWholeWord, QStringLiteral("wholeWord"), *this);
    m_pMatchCase = NewCheckBox(Strings::kMatchCase, QStringLiteral("matchCase"), *this);

    // The labels end where their edits begin.
    const Qt::Alignment labelAlignment = Qt::AlignRight | Qt::AlignVCenter;
    auto* layout = new QGridLayout(this);
    layout->addWidget(NewLabel(Strings::kFindLabel, *m_pFind, *this), 0, 0, labelAlignment);
    layout->addWidget(m_pFind, 0, 1);
    layout->addWidget(NewLabel(Strings::kReplaceLabel, *m_pReplace, *this), 1, 0, labelAlignment);
    layout->addWidget(m_pReplace, 1, 1);
    layout->addWidget(m_pWholeWord, 2, 0, 1, 2);
    layout->addWidget(m_pMatchCase, 3, 0, 1, 2);
    layout->addLayout(NewButtonColumn(Strings::kReplaceAllButton, Strings::kCancelButton, *this), 0,
                      2, 4, 1);
    layout->setSizeConstraint(QLayout::SetFixedSize);
}

void CReplaceDlg::LoadControls()
{
    m_pWholeWord->setChecked(m_bWholeWord != 0);
    m_pMatchCase->setChecked(m_bMatchCase != 0);
    m_pFind->setText(m_strFind);
    m_pReplace->setText(m_strReplace);
}

void CReplaceDlg::StoreControls()
{
    m_strFind = m_pFind->text();
    m_strReplace = m_pReplace->text();
    m_bMatchCase = m_pMatchCase->isChecked() ? 1 : 0;
    m_bWholeWord = m_pWholeWord->isChecked() ? 1 : 0;
}
