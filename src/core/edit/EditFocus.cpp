#include "edit/EditFocus.h"

#include "grid/GridListCtrl.h"

#include <algorithm>

namespace EditFocus {

void OnRow(CGridListCtrl& grid, int row, int column)
{
    if (row >= 0) {
        const CShownRows& shown = grid.Shown();
        row = shown.ListRow(std::min(shown.FirstShownFrom(row), shown.Count() - 1));
    }
    if (row < 0) {
        ClearSelection(grid);
        grid.Cursor().SetCurrent(-1, -1);
        return;
    }
    grid.Cursor().SetCurrent(row, std::min(column, grid.GetColumnCount() - 1));
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
