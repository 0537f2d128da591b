#pragma once

#include <QApplication>

// The wait cursor for as long as it lives, however the work ends.
class ScopedWaitCursor
{
public:
    ScopedWaitCursor() { QApplication::setOverrideCursor(Qt::WaitCursor); }
    ~ScopedWaitCursor() { QApplication::restoreOverrideCursor(); }
    ScopedWaitCursor(const ScopedWaitCursor&) = delete;
    ScopedWaitCursor& operator=(const ScopedWaitCursor&) = delete;
};
