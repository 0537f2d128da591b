#pragma once

#include <QRect>

class QWidget;

namespace Settings {
class Store;
}

// Where the main window stands: its show state, a flag, and the rectangle
// it has when neither maximized nor minimized. Read once at start and
// written at every close, in the "WNDSTATUS" settings.
struct WindowPlacement
{
    enum ShowCmd
    {
        SW_SHOWNORMAL = 1,
        SW_SHOWMINIMIZED = 2,
        SW_SHOWMAXIMIZED = 3,
        SW_MINIMIZE = 6,
        SW_SHOWMINNOACTIVE = 7,
    };
    // A minimized window that comes back maximized.
    static constexpr int WPF_RESTORETOMAXIMIZED = 2;

    int flags = 0;
    int showCmd = 5;
    QRect normal;

    static WindowPlacement Read(const Settings::Store& settings);
    void Write(Settings::Store& settings) const;
    static WindowPlacement Capture(const QWidget& window);
    // Gives the window its normal rectangle and shows it in the stored state.
    void Show(QWidget& window) const;
};
