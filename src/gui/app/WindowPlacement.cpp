#include "app/WindowPlacement.h"

#include "app/Settings.h"

#include <QWidget>

WindowPlacement WindowPlacement::Read()
{
    using namespace Settings;
    WindowPlacement placement;
    placement.flags = ReadInt(kPlacementFlag);
    placement.showCmd = ReadInt(kPlacementShowCmd);
    const QPoint topLeft(ReadInt(kPlacementLeft), ReadInt(kPlacementTop));
    const QPoint bottomRight(ReadInt(kPlacementRight), ReadInt(kPlacementBottom));
    // RIGHT and BOTTOM lie just outside the rectangle.
    placement.normal = QRect(topLeft, bottomRight - QPoint(1, 1));
    return placement;
}

void WindowPlacement::Write() const
{
    using namespace Settings;
    WriteInt(kPlacementFlag, flags);
    WriteInt(kPlacementShowCmd, showCmd);
    WriteInt(kPlacementLeft, normal.left());
    WriteInt(kPlacementTop, normal.top());
    WriteInt(kPlacementRight, normal.right() + 1);
    WriteInt(kPlacementBottom, normal.bottom() + 1);
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
