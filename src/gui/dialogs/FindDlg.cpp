#include "dialogs/FindDlg.h"

#include "dialogs/DialogParts.h"
#include "resources/StringTable.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QVBoxLayout>

using namespace DialogParts;

CFindDlg::CFindDlg(QWidget* parent) : CMemberDlg(parent)
{
    setWindowTitle(QString::fromUtf8(Strings::kFindCaption));
    m_pFind = NewEdit(QStringLiteral("findEdit"), 110, *this);
    m_pWholeWord = NewCheckBox(Strings::kWholeWord, QStringLiteral("wholeWord"), *this);
    m_pMatchCase = NewCheckBox(Strings::kMatchCase, QStringLiteral("matchCase"), *this);
    m_pRegex = NewCheckBox(Strings::kRegularExpression, QStringLiteral("regex"), *this);
    QVBoxLayout* buttons = NewButtonColumn(Strings::kFindButton, Strings::kCancelButton, *this);

    auto* layout = new QGridLayout(this);
    layout->addWidget(NewLabel(Strings::kFindLabel, *m_pFind, *this), 0, 0);
    layout->addWidget(m_pFind, 0, 1);
    layout->addWidget(NewPatternWarning(*m_pFind, *m_pRegex, *this), 1, 1);
    layout->addWidget(m_pWholeWord, 2, 0, 1, 2);
    layout->addWidget(m_pMatchCase, 3, 0, 1, 2);
    layout->addWidget(m_pRegex, 4, 0, 1, 2);
    layout->addLayout(buttons, 0, 2, 5, 1);
    layout->setSizeConstraint(QLayout::SetFixedSize);
}

void CFindDlg::LoadControls()
{
    m_pWholeWord->setChecked(m_bWholeWord != 0);
    m_pMatchCase->setChecked(m_bMatchCase != 0);
    m_pRegex->setChecked(m_bRegex != 0);
    m_pFind->setText(m_strFind);
}

void CFindDlg::StoreControls()
{
    m_strFind = m_pFind->text();
    m_bMatchCase = m_pMatchCase->isChecked() ? 1 : 0;
    m_bWholeWord = m_pWholeWord->isChecked() ? 1 : 0;
    m_bRegex = m_pRegex->isChecked() ? 1 : 0;
}
