#pragma once

#include "platform/Shell.h"

// The desktop's own way to open links and folders, and programs started on
// their own.
class CDesktopShell : public IShell
{
public:
    bool OpenUrl(const QUrl& url) override;
    bool StartDetached(const QString& program, const QStringList& arguments) override;
};
