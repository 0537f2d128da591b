#include "view/StatisticsPane.h"

#include "platform/Progress.h"

namespace {

// Rows counted in one go: a few milliseconds for ten columns.
constexpr int kSliceRows = 20'000;

} // namespace

CStatisticsPane::CStatisticsPane(const CGridListCtrl& grid, IProgress& statusBar, QObject* parent)
    : QObject(parent), m_grid(grid), m_statusBar(statusBar)
{
    // A zero timer runs once the events waiting are handled.
    m_nextSlice.setInterval(0);
    connect(&m_nextSlice, &QTimer::timeout, this, [this] {
        if (CountSlice())
            m_nextSlice.stop();
    });
}

void CStatisticsPane::Update()
{
    m_nextSlice.stop();
    m_count.emplace(m_grid);
    if (!m_count->HasRange()) {
        m_count.reset();
        m_statusBar.SetStatusPaneText(kPane, {});
        return;
    }
    if (!CountSlice()) {
        m_statusBar.SetStatusPaneText(kPane, {});
        m_nextSlice.start();
    }
}

bool CStatisticsPane::CountSlice()
{
    if (!m_count || !m_count->CountRows(kSliceRows))
        return false;
    m_statusBar.SetStatusPaneText(kPane, RangeStatisticsText(m_count->Result()));
    m_count.reset();
    return true;
}
