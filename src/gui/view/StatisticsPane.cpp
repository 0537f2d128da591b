#include "view/StatisticsPane.h"

#include "edit/RangeStatistics.h"
#include "grid/GridListCtrl.h"
#include "platform/Progress.h"

namespace {

// Ranges up to this many cells are counted at once (a few milliseconds).
constexpr long long kCellsCountedAtOnce = 200'000;
// How long the cursor must rest on a larger range before it is counted.
constexpr int kRestMilliseconds = 150;

} // namespace

CStatisticsPane::CStatisticsPane(const CGridListCtrl& grid, IProgress& statusBar, QObject* parent)
    : QObject(parent), m_grid(grid), m_statusBar(statusBar)
{
    m_restTimer.setSingleShot(true);
    m_restTimer.setInterval(kRestMilliseconds);
    connect(&m_restTimer, &QTimer::timeout, this, &CStatisticsPane::Show);
}

void CStatisticsPane::Update()
{
    m_restTimer.stop();
    const CGridSelection& cursor = m_grid.Cursor();
    if (!cursor.HasCurrentCell() || !cursor.HasRange()) {
        m_statusBar.SetStatusPaneText(kPane, {});
        return;
    }
    const CellRange range = cursor.Range();
    const long long cells = static_cast<long long>(range.RowCount()) * range.ColumnCount();
    if (cells <= kCellsCountedAtOnce) {
        Show();
        return;
    }
    m_statusBar.SetStatusPaneText(kPane, {});
    m_restTimer.start();
}

void CStatisticsPane::Show()
{
    const std::optional<RangeStatistics> statistics = ComputeRangeStatistics(m_grid);
    m_statusBar.SetStatusPaneText(kPane, statistics ? RangeStatisticsText(*statistics) : QString());
}
