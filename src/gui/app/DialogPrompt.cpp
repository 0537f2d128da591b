#include "app/DialogPrompt.h"

#include "dialogs/CsvOptionsDlg.h"
#include "resources/StringTable.h"

#include <QApplication>
#include <QFileDialog>
#include <QFileInfo>
#include <QMessageBox>
#include <QRegularExpression>

namespace {

// "csv" of "CSV (*.csv)": the first suffix a filter's pattern names.
QString SuffixOf(const QString& filter)
{
    static const QRegularExpression pattern(QStringLiteral("\\*\\.(\\w+)"));
    return pattern.match(filter).captured(1);
}

QMessageBox::Icon IconOf(IUserPrompt::Icon icon)
{
    switch (icon) {
    case IUserPrompt::Icon::Information:
        return QMessageBox::Information;
    case IUserPrompt::Icon::Question:
        return QMessageBox::Question;
    case IUserPrompt::Icon::Warning:
        return QMessageBox::Warning;
    case IUserPrompt::Icon::Error:
        return QMessageBox::Critical;
    case IUserPrompt::Icon::None:
        break;
    }
    return QMessageBox::NoIcon;
}

QMessageBox::StandardButtons ButtonsOf(IUserPrompt::Buttons buttons)
{
    switch (buttons) {
    case IUserPrompt::Buttons::YesNo:
        return QMessageBox::Yes | QMessageBox::No;
    case IUserPrompt::Buttons::YesNoCancel:
        return QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel;
    case IUserPrompt::Buttons::Ok:
        break;
    }
    return QMessageBox::Ok;
}

IUserPrompt::Answer AnswerOf(int button)
{
    switch (button) {
    case QMessageBox::Yes:
        return IUserPrompt::Answer::Yes;
    case QMessageBox::No:
        return IUserPrompt::Answer::No;
    case QMessageBox::Ok:
        return IUserPrompt::Answer::Ok;
    default:
        return IUserPrompt::Answer::Cancel;
    }
}

// A message shown in the middle of a long command has the usual pointer
// while it waits for the user, and the wait cursor comes back after it.
class ArrowCursorWhileAsking
{
public:
    ArrowCursorWhileAsking() : m_bWaiting(QApplication::overrideCursor() != nullptr)
    {
        if (m_bWaiting)
            QApplication::setOverrideCursor(Qt::ArrowCursor);
    }
    ~ArrowCursorWhileAsking()
    {
        if (m_bWaiting)
            QApplication::restoreOverrideCursor();
    }
    ArrowCursorWhileAsking(const ArrowCursorWhileAsking&) = delete;
    ArrowCursorWhileAsking& operator=(const ArrowCursorWhileAsking&) = delete;

private:
    bool m_bWaiting;
};

} // namespace

IUserPrompt::Answer CDialogPrompt::MessageBox(const QString& text, Buttons buttons, Icon icon)
{
    QMessageBox box(IconOf(icon), QString::fromUtf8(Strings::kAppName), text, ButtonsOf(buttons),
                    m_parent);
    // Escape answers No where there is no Cancel, as it closes the box.
    if (buttons == Buttons::YesNo)
        box.setEscapeButton(QMessageBox::No);
    const ArrowCursorWhileAsking arrow;
    return AnswerOf(box.exec());
}

IUserPrompt::Answer CDialogPrompt::Ask(Question question, const QString& text)
{
    return MessageBox(text, ButtonsOf(question), IconOf(question));
}

QString CDialogPrompt::GetOpenFileName(const QString& filter, const QString& startFolder)
{
    return QFileDialog::getOpenFileName(m_parent, QString(), startFolder, filter);
}

QString CDialogPrompt::GetSaveFileName(const QString& filter, const QString& defaultSuffix,
                                       const QString& proposedPath)
{
    QFileDialog dialog(m_parent, QString(), QString(), filter);
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setFileMode(QFileDialog::AnyFile);
    dialog.setDefaultSuffix(defaultSuffix);
    const QFileInfo proposed(proposedPath);
    if (proposed.isAbsolute())
        dialog.setDirectory(proposed.absolutePath());
    if (!proposedPath.isEmpty())
        dialog.selectFile(proposed.fileName());
    // The name takes the suffix of the kind of file chosen: Save As offers
    // several.
    QObject::connect(&dialog, &QFileDialog::filterSelected, &dialog,
                     [&dialog](const QString& selected) {
                         const QString suffix = SuffixOf(selected);
                         if (!suffix.isEmpty())
                             dialog.setDefaultSuffix(suffix);
                     });
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return {};
    return dialog.selectedFiles().front();
}

bool CDialogPrompt::ChooseCsvOptions(CsvDialect& dialect)
{
    CCsvOptionsDlg dialog(dialect, m_parent);
    const ArrowCursorWhileAsking arrow;
    if (dialog.exec() != QDialog::Accepted)
        return false;
    dialect = dialog.Dialect();
    return true;
}
