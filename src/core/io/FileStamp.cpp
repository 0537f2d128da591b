#include "io/FileStamp.h"

#include <QDateTime>
#include <QFileInfo>

FileStamp FileStamp::Of(const QString& path)
{
    const QFileInfo info(path);
    if (path.isEmpty() || !info.exists())
        return {};
    return {true, info.size(), info.lastModified().toMSecsSinceEpoch()};
}
