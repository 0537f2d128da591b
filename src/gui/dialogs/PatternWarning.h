#pragma once

#include <QLabel>

class QCheckBox;
class QLineEdit;
class QPushButton;

// The line under a search text that says, as the text is typed, why it is
// not a regular expression while "Expression régulière" is ticked; the
// confirming button waits meanwhile, so no search starts from it. Hidden
// when there is nothing to say.
class CPatternWarning : public QLabel
{
    Q_OBJECT

public:
    CPatternWarning(QLineEdit& text, QCheckBox& regex, QPushButton& confirm, QWidget& parent);

private:
    void Check();

    QLineEdit& m_text;
    QCheckBox& m_regex;
    QPushButton& m_confirm;
};
