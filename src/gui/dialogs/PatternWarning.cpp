#include "dialogs/PatternWarning.h"

#include "edit/Pattern.h"

#include <QCheckBox>
#include <QLineEdit>
#include <QPushButton>

CPatternWarning::CPatternWarning(QLineEdit& text, QCheckBox& regex, QPushButton& confirm,
                                 QWidget& parent)
    : QLabel(&parent), m_text(text), m_regex(regex), m_confirm(confirm)
{
    setObjectName(QStringLiteral("patternWarning"));
    hide();
    connect(&text, &QLineEdit::textChanged, this, &CPatternWarning::Check);
    connect(&regex, &QCheckBox::toggled, this, &CPatternWarning::Check);
}

void CPatternWarning::Check()
{
    const QString problem =
        m_regex.isChecked() ? CPattern::SyntaxProblem(m_text.text().toStdString()) : QString();
    setText(problem);
    setVisible(!problem.isEmpty());
    m_confirm.setEnabled(problem.isEmpty());
}
