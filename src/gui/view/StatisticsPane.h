#pragma once

#include "edit/RangeStatistics.h"

#include <QObject>
#include <QTimer>

#include <optional>

class CGridListCtrl;
class IProgress;

// The status bar's count, sum and mean of the numbers in the cursor's
// range. A range of many rows is counted a slice at a time between the
// user's keys and clicks, so that stretching it over a million rows never
// waits on the count; any change starts the count again.
class CStatisticsPane : public QObject
{
    Q_OBJECT

public:
    // The status bar's pane that shows them.
    static constexpr int kPane = 3;

    CStatisticsPane(const CGridListCtrl& grid, IProgress& statusBar, QObject* parent = nullptr);

    // The range or the list changed.
    void Update();

private:
    // Counts one slice; shows the numbers once the range is counted.
    bool CountSlice();

    const CGridListCtrl& m_grid;
    IProgress& m_statusBar;
    std::optional<CStatisticsCount> m_count;
    QTimer m_nextSlice;
};
