#include "grid/GridSelection.h"

#include "grid/GridListCtrl.h"

#include <algorithm>
#include <utility>

bool CGridSelection::HasCurrentCell() const
{
    return m_nCurRow >= 0 && m_nCurRow < m_grid.GetItemCount() && m_nCurCol >= 0 &&
           m_nCurCol < m_grid.GetColumnCount();
}

CellRange CGridSelection::Range() const
{
    if (!HasCurrentCell())
        return {};
    const int lastRow = m_grid.GetItemCount() - 1;
    const int lastColumn = m_grid.GetColumnCount() - 1;
    const int anchorRow = std::clamp(m_nAnchorRow, 0, lastRow);
    const int anchorColumn = std::clamp(m_nAnchorCol, 0, lastColumn);
    return {std::min(anchorRow, m_nCurRow), std::min(anchorColumn, m_nCurCol),
            std::max(anchorRow, m_nCurRow), std::max(anchorColumn, m_nCurCol)};
}

bool CGridSelection::HasRange() const
{
    const CellRange range = Range();
    return range.RowCount() * static_cast<long long>(range.ColumnCount()) > 1;
}

void CGridSelection::SetCurrent(int row, int column)
{
    if (row < 0 || column < 0)
        row = column = -1;
    m_nCurRow = m_nAnchorRow = row;
    m_nCurCol = m_nAnchorCol = column;
    Changed();
}

void CGridSelection::SetCurrentRow(int row)
{
    SetCurrent(row, std::max(m_nCurCol, 0));
}

void CGridSelection::ExtendTo(int row, int column)
{
    if (m_nAnchorRow < 0 || m_nAnchorCol < 0 || row < 0 || column < 0) {
        SetCurrent(row, column);
        return;
    }
    m_nCurRow = row;
    m_nCurCol = column;
    Changed();
}

void CGridSelection::SelectAll()
{
    if (m_grid.GetItemCount() == 0 || m_grid.GetColumnCount() == 0)
        return;
    SelectRows(0, m_grid.GetItemCount() - 1);
}

void CGridSelection::SelectRange(const CellRange& range)
{
    if (range.IsEmpty())
        return;
    m_nCurRow = range.top;
    m_nCurCol = range.left;
    m_nAnchorRow = range.bottom;
    m_nAnchorCol = range.right;
    Changed();
}

void CGridSelection::SelectRows(int first, int last)
{
    if (first >= 0)
        SelectRange({first, 0, last, m_grid.GetColumnCount() - 1});
}

void CGridSelection::ExtendRowsTo(int row)
{
    if (m_nAnchorRow < 0) {
        SelectRows(row, row);
        return;
    }
    m_nAnchorCol = m_grid.GetColumnCount() - 1;
    m_nCurRow = row;
    m_nCurCol = 0;
    Changed();
}

bool CGridSelection::ForgetVanished()
{
    const bool anchorGone =
        m_nAnchorRow >= m_grid.GetItemCount() || m_nAnchorCol >= m_grid.GetColumnCount();
    if (m_nCurRow < m_grid.GetItemCount() && m_nCurCol < m_grid.GetColumnCount()) {
        if (anchorGone) {
            m_nAnchorRow = m_nCurRow;
            m_nAnchorCol = m_nCurCol;
            Changed();
        }
        return false;
    }
    m_nCurRow = m_nCurCol = m_nAnchorRow = m_nAnchorCol = -1;
    Changed();
    return true;
}

template <typename RowAfter> void CGridSelection::FollowRows(RowAfter rowAfter)
{
    if (m_nCurRow < 0)
        return;
    const GridCell current = Current();
    const GridCell anchor = Anchor();
    const int lastRow = m_grid.GetItemCount() - 1;
    m_nCurRow = std::min(rowAfter(m_nCurRow), lastRow);
    if (m_nAnchorRow >= 0)
        m_nAnchorRow = std::min(rowAfter(m_nAnchorRow), lastRow);
    m_nCurRow = m_grid.Shown().NearestShown(m_nCurRow);
    if (m_nCurRow < 0)
        m_nCurCol = m_nAnchorRow = m_nAnchorCol = -1;
    if (Current() != current || Anchor() != anchor)
        Changed();
}

void CGridSelection::Inserted(int first, int count)
{
    FollowRows([=](int row) { return row >= first ? row + count : row; });
}

// An end on a row removed passes to the row that takes its place.
void CGridSelection::Removed(int first, int count)
{
    FollowRows([=](int row) {
        if (row >= first + count)
            return row - count;
        return std::min(row, first);
    });
}

void CGridSelection::Moved(int from, int landing)
{
    FollowRows([=](int row) {
        if (row == from)
            return landing;
        if (from < row && row <= landing)
            return row - 1;
        if (landing <= row && row < from)
            return row + 1;
        return row;
    });
}

// A row, gone or not, moves up by the rows that went before it.
void CGridSelection::RemovedSet(const std::vector<int>& rows)
{
    FollowRows([&rows](int row) {
        return row -
               static_cast<int>(std::lower_bound(rows.begin(), rows.end(), row) - rows.begin());
    });
}

// A row moves down by the rows that came in at or before its new place.
void CGridSelection::InsertedSet(const std::vector<int>& rows)
{
    FollowRows([&rows](int row) {
        std::size_t before = 0;
        while (before < rows.size() && rows[before] <= row + static_cast<int>(before))
            ++before;
        return row + static_cast<int>(before);
    });
}

void CGridSelection::Changed()
{
    m_grid.CursorChanged();
}
