#pragma once

#include <QString>

class QCheckBox;
class QDialog;
class QLabel;
class QLineEdit;
class QVBoxLayout;
class QWidget;

// Controls shared by the Find, Replace and Entry dialogs, built alike.
namespace DialogParts {

// A single-line edit at least `dialogUnits` wide, in the dialog units of
// the parent's font (a quarter of its average character width), so that it
// keeps its proportions whatever the font.
QLineEdit* NewEdit(const QString& objectName, int dialogUnits, QWidget& parent);

QLabel* NewLabel(const char* text, QLineEdit& buddy, QWidget& parent);

QCheckBox* NewCheckBox(const char* text, const QString& objectName, QWidget& parent);

// The confirming (default) and cancelling buttons, stacked at the top of a
// column for the right side of the dialog.
QVBoxLayout* NewButtonColumn(const char* confirm, const char* cancel, QDialog& dialog);

// Under a search text: why it is not a regular expression while the regex
// box is ticked, the dialog's confirming button waiting meanwhile. Made
// after NewButtonColumn.
QLabel* NewPatternWarning(QLineEdit& text, QCheckBox& regex, QDialog& dialog);

} // namespace DialogParts
