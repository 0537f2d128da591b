#pragma once

#include <QString>

struct CsvDialect;

// How the core asks the user something: messages, questions and file
// choosers. The program shows real dialogs (caption "Quire"); tests and the
// batch converter answer from a script, by question, never by wording.
class IUserPrompt
{
public:
    enum class Buttons
    {
        Ok,
        YesNo,
        YesNoCancel
    };
    enum class Icon
    {
        None,
        Information,
        Question,
        Warning,
        Error
    };
    enum class Answer
    {
        Ok,
        Yes,
        No,
        Cancel
    };

    // The questions the program asks. Each has its own buttons and icon.
    enum class Question
    {
        SaveChanges,          // Oui / Non / Annuler
        CsvHasHeader,         // Yes / No: the CSV file's first record names the columns
        CsvExportHeader,      // Yes / No: the CSV written starts with the names
        DeleteColumn,         // Oui / Non
        ReloadChangedFile,    // Oui / Non: another program changed the open file
        OverwriteChangedFile, // Oui / Non: save over what another program wrote
        SaveInUtf8,           // Oui / Non: the file's encoding cannot hold the text
    };

    virtual ~IUserPrompt() = default;

    // A message to read; buttons and icon as given.
    virtual Answer MessageBox(const QString& text, Buttons buttons, Icon icon) = 0;
    // Asks question in the words of text.
    virtual Answer Ask(Question question, const QString& text) = 0;
    // filter in Qt's form, e.g. "Text files (*.txt);;All Files (*.*)".
    // The chooser starts in startFolder when it is not empty. An empty
    // result means the user cancelled.
    virtual QString GetOpenFileName(const QString& filter, const QString& startFolder) = 0;
    // defaultSuffix without its dot ("tbw"); proposedPath, a file name in
    // the folder to start in, may be empty.
    virtual QString GetSaveFileName(const QString& filter, const QString& defaultSuffix,
                                    const QString& proposedPath) = 0;
    // « Options CSV »: how a CSV file is to be written, starting from
    // dialect. False when the user cancels.
    virtual bool ChooseCsvOptions(CsvDialect& dialect) = 0;
};

// How each question is shown.
constexpr IUserPrompt::Buttons ButtonsOf(IUserPrompt::Question question)
{
    return question == IUserPrompt::Question::SaveChanges ? IUserPrompt::Buttons::YesNoCancel
                                                          : IUserPrompt::Buttons::YesNo;
}

constexpr IUserPrompt::Icon IconOf(IUserPrompt::Question question)
{
    return question == IUserPrompt::Question::SaveChanges ? IUserPrompt::Icon::Warning
                                                          : IUserPrompt::Icon::Question;
}
