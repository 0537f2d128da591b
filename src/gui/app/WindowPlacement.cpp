#include "app/WindowPlacement.h"

#include "app/Settings.h"

#include <QWidget>

WindowPlacement WindowPlacement::Read(const Settings::Store& settings)
{
    using namespace Settings;
    WindowPlacement placement;
    placement.flags = settings.ReadInt(kPlacementFlag);
    placement.showCmd = settings.ReadInt(kPlacementShowCmd);
    const QPoint topLeft(settings.ReadInt(kPlacementLeft), settings.ReadInt(kPlacementTop));
    const QPoint bottomRight(settings.ReadInt(kPlacementRight), settings.ReadInt(kPlacementBottom));
    // RIGHT and BOTTOM lie just outside the rectangle.
    placement.normal = QRect(topLeft, bottomRight - QPoint(1, 1));
    return placement;
}

void WindowPlacement::Write(Settings::Store& settings) const
{
    using namespace Settings;
    settings.WriteInt(kPlacementFlag, flags);
    settings.WriteInt(kPlacementShowCmd, showCmd);
    settings.WriteInt(kPlacementLeft, normal.left());
    settings.WriteInt(kPlacementTop, normal.top());
    settings.WriteInt(kPlacementRight, normal.right() + 1);
    settings.WriteInt(kPlacementBottom, normal.bottom() + 1);
}

WindowPlacement WindowPlacement::Capture(const QWidget& window)
{
    WindowPlacement placement;
    const Qt::WindowStates state = window.windowState();
    if (state & Qt::WindowMinimized) {
        placement.showCmd = SW_SHOWMINIMIZED;
        if (state & Qt::WindowMaximized)
            placement.flags = WPF_RESTORETOMAXIMIZED;
    } else if (state & Qt::WindowMaximized) {
        placement.showCmd = SW_SHOWMAXIMIZED;
    } else {
        placement.showCmd = SW_SHOWNORMAL;
    }
    placement.normal = window.normalGeometry();
    if (placement.normal.isEmpty())
        placement.normal = window.geometry();
    return placement;
}

void WindowPlacement::Show(QWidget& window) const
{
    window.setGeometry(normal);
    switch (showCmd) {
    case SW_SHOWMAXIMIZED:
        window.showMaximized();
        break;
    case SW_SHOWMINIMIZED:
    case SW_MINIMIZE:
    case SW_SHOWMINNOACTIVE:
        window.setWindowState((flags & WPF_RESTORETOMAXIMIZED)
                                  ? Qt::WindowMinimized | Qt::WindowMaximized
                                  : Qt::WindowMinimized);
        window.show();
        break;
    default:
        window.showNormal();
        break;
    }
}
