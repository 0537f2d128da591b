#pragma once

#include <QString>

// Quire reads and writes regular files only. A pipe with no writer would
// hang a read, a device would feed endless bytes, and saving over either
// would replace it with a file; such paths are refused before any opening.
namespace RegularFile {

// True when something other than a regular file stands at path (links
// followed): a folder, a pipe, a device. reason then says why, in French.
// A path where nothing exists is not refused here.
bool Refuses(const QString& path, QString& reason);

} // namespace RegularFile
