#include "edit/EditFocus.h"

#include "grid/GridListCtrl.h"

#include <algorithm>

namespace EditFocus {

void OnRow(CGridListCtrl& grid, int row, int column)
{
    row = std::min(row, grid.GetItemCount() - 1);
    if (row < 0) {
        ClearSelection(grid);
        grid.m_nCurRow = -1;
        grid.m_nCurCol = -1;
        return;
    }
    grid.SelectRow(row);
    grid.m_nCurRow = row;
    grid.m_nCurCol = std::min(column, grid.GetColumnCount() - 1);
}

void ClearSelection(CGridListCtrl& grid)
{
    const unsigned mask = CGridListCtrl::LVIS_SELECTED | CGridListCtrl::LVIS_FOCUSED;
    for (const int row : {grid.GetSelectedRow(), grid.GetFocusedRow()}) {
        if (row >= 0)
            grid.SetItemState(row, 0, mask);
    }
}

} // namespace EditFocus
