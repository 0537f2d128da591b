#include "edit/EditFocus.h"

#include "grid/GridListCtrl.h"

#include <algorithm>

namespace EditFocus {

void OnRow(CGridListCtrl& grid, int row, int column)
{
    const int shown = row >= 0 ? grid.Shown().NearestShown(row) : -1;
    grid.Cursor().SetCurrent(shown, std::min(column, grid.GetColumnCount() - 1));
}

} // namespace EditFocus
