#include "BenchFiles.h"

#include <QDir>

QString BenchFiles::Named(const char* stem, const char* extension) const
{
    return QDir(dir).filePath(QStringLiteral("%1_%2.%3")
                                  .arg(QLatin1String(stem))
                                  .arg(rows)
                                  .arg(QLatin1String(extension)));
}
