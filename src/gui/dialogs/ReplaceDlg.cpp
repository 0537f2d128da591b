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
    m_pRegex = NewCheckBox(Strings::kRegularExpression, QStringLiteral("regex"), *this);
    QVBoxLayout* buttons =
        NewButtonColumn(Strings::kReplaceAllButton, Strings::kCancelButton, *this);

    // The labels end where their edits begin.
    const Qt::Alignment labelAlignment = Qt::AlignRight | Qt::AlignVCenter;
    auto* layout = new QGridLayout(this);
    layout->addWidget(NewLabel(Strings::kFindLabel, *m_pFind, *this), 0, 0, labelAlignment);
    layout->addWidget(m_pFind, 0, 1);
    layout->addWidget(NewPatternWarning(*m_pFind, *m_pRegex, *this), 1, 1);
    layout->addWidget(NewLabel(Strings::kReplaceLabel, *m_pReplace, *this), 2, 0, labelAlignment);
    layout->addWidget(m_pReplace, 2, 1);
    layout->addWidget(m_pWholeWord, 3, 0, 1, 2);
    layout->addWidget(m_pMatchCase, 4, 0, 1, 2);
    layout->addWidget(m_pRegex, 5, 0, 1, 2);
    layout->addLayout(buttons, 0, 2, 6, 1);
    layout->setSizeConstraint(QLayout::SetFixedSize);
}

void CReplaceDlg::LoadControls()
{
    m_pWholeWord->setChecked(m_bWholeWord != 0);
    m_pMatchCase->setChecked(m_bMatchCase != 0);
    m_pRegex->setChecked(m_bRegex != 0);
    m_pFind->setText(m_strFind);
    m_pReplace->setText(m_strReplace);
}

void CReplaceDlg::StoreControls()
{
    m_strFind = m_pFind->text();
    m_strReplace = m_pReplace->text();
    m_bMatchCase = m_pMatchCase->isChecked() ? 1 : 0;
    m_bWholeWord = m_pWholeWord->isChecked() ? 1 : 0;
    m_bRegex = m_pRegex->isChecked() ? 1 : 0;
}
