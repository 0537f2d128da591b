#pragma once

#include <QString>
#include <QStringList>
#include <QUrl>

// How the core hands a cell's text to the desktop: opened by whatever the
// desktop opens it with (a browser for a link, a file manager for a
// folder), or started as a program. A refusal is not reported to the user.
class IShell
{
public:
    virtual ~IShell() = default;
    virtual bool OpenUrl(const QUrl& url) = 0;
    // Starts program with arguments on its own, never through a command
    // interpreter, and does not wait for it.
    virtual bool StartDetached(const QString& program, const QStringList& arguments) = 0;
};
