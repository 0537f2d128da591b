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
    m_grid.SelectRow(row);
    Changed();
}

void CGridSelection::ExtendTo(int row, int column)
{
    if (m_nAnchorRow < 0 || m_nAnchorCol < 0 || row < 0 || column < 0) {
        SetCurrent(row, column);
        return;
    }
    m_nCurRow = row;
    m_nCurCol = column;
    m_grid.SelectRow(row);
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
    m_grid.SelectRow(range.top);
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
    m_grid.SelectRow(row);
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

void CGridSelection::Changed()
{
    m_grid.CursorChanged();
}
