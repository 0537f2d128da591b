#pragma once

class CGridListCtrl;

// Where the cursor goes after a change is done or undone.
namespace EditFocus {

// Makes row's cell in column current (the last row when row lies past the
// end); with no rows left, no cell is current. Under a filter, the first
// row shown from row on, or the last one shown.
void OnRow(CGridListCtrl& grid, int row, int column);

} // namespace EditFocus
