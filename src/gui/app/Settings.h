#pragma once

#include <QByteArray>
#include <QSettings>
#include <QStringList>

// Every setting Quire keeps, in one place. They live under
// QSettings("Tablewright", "Quire"): the registry on Windows,
// ~/.config/Tablewright/Quire.conf elsewhere.
namespace Settings {

struct IntKey
{
    const char* section;
    const char* name;
    int defaultValue;
};

inline constexpr IntKey kSingleClickEntry{"Options", "SingleClickEntry", 0};
inline constexpr IntKey kGoToLastItem{"Options", "GoToLastItem", 0};
inline constexpr IntKey kEnterMovesDown{"Options", "EnterMovesDown", 0};
// The grid's text size in percent of the normal size.
inline constexpr IntKey kZoomPercent{"Options", "Zoom", 100};

// The main window's placement: flags, show state and its normal rectangle.
inline constexpr IntKey kPlacementFlag{"WNDSTATUS", "FLAG", 0};
inline constexpr IntKey kPlacementShowCmd{"WNDSTATUS", "SHOWCMD", 5};
inline constexpr IntKey kPlacementLeft{"WNDSTATUS", "LEFT", 100};
inline constexpr IntKey kPlacementTop{"WNDSTATUS", "TOP", 100};
inline constexpr IntKey kPlacementRight{"WNDSTATUS", "RIGHT", 400};
inline constexpr IntKey kPlacementBottom{"WNDSTATUS", "BOTTOM", 550};

// The settings, opened once for a group of reads and writes; what was
// written reaches the disk when the store goes.
class Store
{
public:
    Store();

    int ReadInt(const IntKey& key) const;
    void WriteInt(const IntKey& key, int value);

    // The recent-file list, most recent first.
    QStringList ReadRecentFiles(int count) const;
    void WriteRecentFiles(const QStringList& paths);

    // The toolbar's place and visibility, as QMainWindow saves them.
    QByteArray ReadToolbarState() const;
    void WriteToolbarState(const QByteArray& state);

private:
    QSettings m_settings;
};

} // namespace Settings
