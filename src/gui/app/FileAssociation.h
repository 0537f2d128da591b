#pragma once

#include <QByteArray>
#include <QString>

// Makes Quire the program that opens .tbw lists for the current user: the
// freedesktop MIME type, desktop entry and default application on Linux,
// the user's file classes in the registry on Windows.
namespace FileAssociation {

inline constexpr char kMimeType[] = "application/x-tablewright";
inline constexpr char kDesktopFileName[] = "quire.desktop";

// Registers executable as the program for .tbw files. Running it again
// leaves the same result. False when something could not be written; each
// file is then either whole as it was or whole as new.
bool Register(const QString& executable);

// The MIME type and the desktop entry as `cmake --install` puts them on the
// system; the user's copies are made from these.
QByteArray InstalledMimeType();
QByteArray InstalledDesktopEntry();

// The value of a desktop entry's Exec key that runs executable with the
// file, quoted so that any path survives the launcher's parsing.
QString ExecValue(const QString& executable);

// The installed desktop entry with its Exec line running executable.
QByteArray UserDesktopEntry(const QString& executable);

// mimeapps.list with Quire as the default application of .tbw lists; every
// other line stays as it was.
QByteArray WithDefaultApplication(const QByteArray& mimeApps);

} // namespace FileAssociation
