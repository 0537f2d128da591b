#pragma once

#include <QObject>
#include <QTimer>

class CGridListCtrl;
class IProgress;

// The status bar's count, sum and mean of the numbers in the cursor's
// range. A range of many cells is counted once the cursor rests, so that
// stretching it over a million rows with Shift+arrows never waits on the
// count.
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
    void Show();

    const CGridListCtrl& m_grid;
    IProgress& m_statusBar;
    QTimer m_restTimer;
};
