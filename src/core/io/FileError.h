#pragma once

#include <QString>

class QFileDevice;

// Why a file could not be opened, read or written, told in French. Qt words
// its errors in English, and a write that stops short sets no text at all,
// so the reason comes from the system's error number (errno), taken right
// where the failing call returns.
namespace FileError {

// A missing path is the file itself when reading, its folder when writing:
// a new file is created in a folder that must exist.
enum class Access
{
    Read,
    Write
};

// The reason for a system error number, as it follows "Impossible
// d'enregistrer le fichier « … » :". Never empty, never English.
QString Reason(int number, Access access);

// The reason for file's last error when its number was not kept: Qt words a
// failed open or read as the system's text for the number, which leads back
// to it.
QString ReasonOf(const QFileDevice& file, Access access);

} // namespace FileError
