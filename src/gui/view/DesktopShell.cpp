#include "view/DesktopShell.h"

#include <QDesktopServices>
#include <QProcess>

bool CDesktopShell::OpenUrl(const QUrl& url)
{
    return QDesktopServices::openUrl(url);
}

bool CDesktopShell::StartDetached(const QString& program, const QStringList& arguments)
{
    return QProcess::startDetached(program, arguments);
}
