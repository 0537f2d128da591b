#pragma once

class CGridListCtrl;

// Where the selection and the current cell go after a change is done or
// undone.
namespace EditFocus {

// Selects row (the last row when row lies past the end) and makes its cell
// in column current; with no rows left, nothing is selected or current.
// Under a filter, the first row shown from row on, or the last one shown.
void OnRow(CGridListCtrl& grid, int row, int column);

// No row selected or focused, as after the whole table was rebuilt; the
// current cell stays.
void ClearSelection(CGridListCtrl& grid);

} // namespace EditFocus
