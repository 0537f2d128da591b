#pragma once

#include <QString>

// How the core asks the user something: message boxes and file choosers.
// The program shows real dialogs (caption "Quire"); tests and the batch
// converter answer from a script.
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

    virtual ~IUserPrompt() = default;

    virtual Answer MessageBox(const QString& text, Buttons buttons, Icon icon) = 0;
    // filter in Qt's form, e.g. "Text files (*.txt);;All Files (*.*)".
    // The chooser starts in startFolder when it is not empty. An empty
    // result means the user cancelled.
    virtual QString GetOpenFileName(const QString& filter, const QString& startFolder) = 0;
    // defaultSuffix without its dot ("tbw"); proposedPath, a file name in
    // the folder to start in, may be empty.
    virtual QString GetSaveFileName(const QString& filter, const QString& defaultSuffix,
                                    const QString& proposedPath) = 0;
};
