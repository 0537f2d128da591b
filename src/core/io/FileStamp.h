#pragma once

#include <QString>

// What tells whether another program changed a file since it was read or
// written: its size and time of last change. A file that is gone has none.
struct FileStamp
{
    bool exists = false;
    qint64 size = 0;
    qint64 modified = 0;

    static FileStamp Of(const QString& path);
    bool operator==(const FileStamp&) const = default;
};
