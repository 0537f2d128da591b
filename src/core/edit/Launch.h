#pragma once

#include <QStringList>
#include <QUrl>

#include <string_view>

class IShell;

// What a cell's text can be opened as, from the row menu.
namespace Launch {

enum class Kind
{
    None,
    Link,    // "Ouvrir le lien"
    Command, // "Courir la commande"
    Folder   // "Ouvrir le dossier"
};

// Decided on the text lower-cased, with every "/" read as "\", tests in
// this order: a link starts with "http" and holds a ":" anywhere; a command
// holds ".exe" anywhere; a folder starts with "\\" (a network path) or
// holds ":\" (a drive path), or, on this desktop, starts with "/" or "~/".
// A path naming a file counts as a folder: the desktop opens the file.
Kind Classify(std::string_view text);

// What the desktop is given to open: a link as it stands, a path as a
// local file, "~/" standing for the home folder.
QUrl ShellUrl(std::string_view text);

// A command line split into its program and arguments, as a command line
// is split (double quotes group, a doubled quote inside them is a quote),
// however long it is.
QStringList SplitCommand(std::string_view text);

// Hands the text to the shell as the kind says; false when it was refused.
bool Open(IShell& shell, std::string_view text);
bool Run(IShell& shell, std::string_view text);

} // namespace Launch
