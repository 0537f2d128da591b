#include "dialogs/DialogParts.h"

#include "dialogs/PatternWarning.h"

#include <QCheckBox>
#include <QDialog>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include <limits>

namespace DialogParts {

namespace {

// The average character width as dialog units measure it: the width of the
// Latin alphabet, both cases, divided by its 52 letters.
double AverageCharWidth(const QWidget& widget)
{
    const QString alphabet = QStringLiteral("ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz");
    return widget.fontMetrics().horizontalAdvance(alphabet) / 52.0;
}

} // namespace

QLineEdit* NewEdit(const QString& objectName, int dialogUnits, QWidget& parent)
{
    auto* edit = new QLineEdit(&parent);
    edit->setObjectName(objectName);
    // A search may be for a whole long cell: the edit takes any length of
    // text and scrolls.
    edit->setMaxLength(std::numeric_limits<int>::max());
    edit->setMinimumWidth(qRound(dialogUnits * AverageCharWidth(parent) / 4.0));
    return edit;
}

QLabel* NewLabel(const char* text, QLineEdit& buddy, QWidget& parent)
{
    auto* label = new QLabel(QString::fromUtf8(text), &parent);
    label->setBuddy(&buddy);
    return label;
}

QCheckBox* NewCheckBox(const char* text, const QString& objectName, QWidget& parent)
{
    auto* box = new QCheckBox(QString::fromUtf8(text), &parent);
    box->setObjectName(objectName);
    return box;
}

QVBoxLayout* NewButtonColumn(const char* confirm, const char* cancel, QDialog& dialog)
{
    auto* confirmButton = new QPushButton(QString::fromUtf8(confirm), &dialog);
    confirmButton->setObjectName(QStringLiteral("confirmButton"));
    confirmButton->setDefault(true);
    QObject::connect(confirmButton, &QPushButton::clicked, &dialog, &QDialog::accept);
    auto* cancelButton = new QPushButton(QString::fromUtf8(cancel), &dialog);
    cancelButton->setObjectName(QStringLiteral("cancelButton"));
    QObject::connect(cancelButton, &QPushButton::clicked, &dialog, &QDialog::reject);

    auto* column = new QVBoxLayout;
    column->addWidget(confirmButton);
    column->addWidget(cancelButton);
    column->addStretch();
    return column;
}

QLabel* NewPatternWarning(QLineEdit& text, QCheckBox& regex, QDialog& dialog)
{
    auto* confirm = dialog.findChild<QPushButton*>(QStringLiteral("confirmButton"));
    Q_ASSERT(confirm);
    return new CPatternWarning(text, regex, *confirm, dialog);
}

} // namespace DialogParts
