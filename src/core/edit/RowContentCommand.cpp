#include "edit/RowContentCommand.h"

#include "edit/EditFocus.h"

#include <algorithm>

CRowContentCommand::CRowContentCommand(QString name,
                                       std::vector<CGridListCtrl::RowExchange> changedRows,
                                       std::size_t oldBytes, Focus focus, CellRange range)
    : m_name(std::move(name)), m_rows(std::move(changedRows)), m_focus(focus), m_range(range)
{
    // The command holds the new rows or the old ones, by turns: the larger
    // of the two is what it costs.
    std::size_t newBytes = 0;
    for (const CGridListCtrl::RowExchange& exchange : m_rows)
        newBytes += exchange.packed.Joined().size();
    m_cost = sizeof(*this) + m_rows.capacity() * sizeof(CGridListCtrl::RowExchange) +
             std::max(newBytes, oldBytes);
}

bool CRowContentCommand::Exchange(CGridListCtrl& grid)
{
    if (!grid.ExchangeRows(m_rows))
        return false;
    MoveCursor(grid);
    m_applied = true;
    return true;
}

void CRowContentCommand::MoveCursor(CGridListCtrl& grid)
{
    if (m_focus == Focus::OnRange) {
        grid.Cursor().SelectRange(m_range);
        return;
    }
    if (m_applied && !m_rows.empty())
        EditFocus::OnRow(grid, m_rows.front().row, std::max(grid.Cursor().CurrentColumn(), 0));
}
