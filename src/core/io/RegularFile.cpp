#include "io/RegularFile.h"

#include "resources/StringTable.h"

#include <QFileInfo>

bool RegularFile::Refuses(const QString& path, QString& reason)
{
    const QFileInfo info(path);
    if (!info.exists() || info.isFile())
        return false;
    reason = QString::fromUtf8(info.isDir() ? Strings::kIsAFolder : Strings::kNotARegularFile);
    return true;
}
