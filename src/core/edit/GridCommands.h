#pragma once

#include "edit/SortKeys.h"
#include "grid/GridTypes.h"

#include <QString>

#include <memory>
#include <string>
#include <string_view>
#include <vector>

class CEditCommand;
class CGridListCtrl;
class CTablewrightDoc;

// What the view's commands do to the list, away from any widget. Each
// change goes to the document as one step that can be undone; where the
// change would leave the list as it was, no step is made, but the list is
// still marked changed as the commands always have.
namespace GridCommands {

// Does a change as one step. A change that leaves the list as it was (null)
// makes no step, but the list is marked changed all the same, as every
// command has always done.
void Perform(CTablewrightDoc& doc, std::unique_ptr<CEditCommand> command);

// A list that did not come from a file starts with four empty columns "A"
// to "D"; either way no cell is current yet.
void PrepareForDocument(CGridListCtrl& grid, bool loaded);

// Forgets the current cell when the grid no longer has it, as after a list
// was read into it. True when it did.
bool ForgetVanishedCurrentCell(CGridListCtrl& grid);

// The status bar's words for the current cell, counted from 1:
// "Ligne 3, Colonne 2", and the size of a range of several cells after it,
// rows first: "Ligne 3, Colonne 2 (3 × 2)"; empty when no cell is current.
QString CurrentCellText(const CGridListCtrl& grid);
// Under a filter, the rows shown out of all: "12 lignes sur 1 000 000";
// empty without a filter.
QString RowsShownText(const CGridListCtrl& grid);

using Cell = GridCell;

// Cells: the editor's text stored in the current cell, and the Delete key
// emptying it.
void CommitCell(CTablewrightDoc& doc, std::string_view text);
void ClearCurrentCell(CTablewrightDoc& doc);

// The clipboard's side of the list: the current cell's whole text ("" with
// no current cell), a cut emptying it and a paste storing text in it. Cut
// and paste mark the list changed even with no current cell.
std::string CurrentCellContent(const CGridListCtrl& grid);
void CutCurrentCell(CTablewrightDoc& doc);
void PasteIntoCurrentCell(CTablewrightDoc& doc, std::string_view text);

// Where the editor goes next. Tab: the next cell to the right, then the
// first of the next row (which may not exist yet). Ctrl+arrow: one cell
// that way, staying put at the list's edges.
enum class Arrow
{
    Left,
    Up,
    Right,
    Down
};
Cell TabTarget(const CGridListCtrl& grid);
Cell ArrowTarget(const CGridListCtrl& grid, Arrow arrow);

// The cursor's moves on the grid: one cell, to either end of the row
// (Home, End), to the first or last cell (Ctrl+Home, Ctrl+End), a page of
// rows; each stops at the list's edges. With Shift the range stretches from
// its anchor.
enum class Move
{
    Left,
    Up,
    Right,
    Down,
    RowStart,
    RowEnd,
    First,
    Last,
    PageUp,
    PageDown
};
enum class Extend
{
    No,
    Range
};
// Where a move goes; no cell on a list without rows or columns.
Cell MoveTarget(const CGridListCtrl& grid, Move move, int pageRows);
void MoveCursor(CGridListCtrl& grid, Move move, int pageRows, Extend extend);

// Appends empty rows, for the edit to come, until row exists.
void AppendRowsUpTo(CTablewrightDoc& doc, int row);
// A list with columns but no rows has no cell to stand on: typing on it
// starts its first row, so that a new list can be filled from the keyboard
// alone. The row is appended for the edit to come, and its cell in the
// current column (else the first) made current.
void StartFirstRow(CTablewrightDoc& doc);

// Rows, on the current row; nothing without one. The inserted row, or the
// row that took a deleted one's place, becomes current. Over a range,
// insertion adds as many rows as the range shows, above or below it.
enum class RowPlace
{
    Above,
    Below
};
void InsertRow(CTablewrightDoc& doc, RowPlace place);
void DeleteRow(CTablewrightDoc& doc);
enum class RowMove
{
    Up,
    Down
};
void MoveRow(CTablewrightDoc& doc, RowMove move);

// Columns, on the column whose header was right-clicked.
enum class ColumnPlace
{
    Before,
    After
};
void RenameColumn(CTablewrightDoc& doc, int column, const QString& name);
// A list without columns gets its first column whatever column says.
void InsertColumn(CTablewrightDoc& doc, int column, ColumnPlace place);
// Asks first; false when the user said no.
bool DeleteColumn(CTablewrightDoc& doc, int column);
// Widths the header was given by the user, width[k] for column k: the
// columns whose width changed take it as one step. Nothing changes, and the
// list is not marked, when every width is as it was.
void ResizeColumns(CTablewrightDoc& doc, const std::vector<int>& widths);
// A dropped header drag: the order the header shows becomes the columns'
// own, cells included (order[k] is the column shown at k).
void ReorderColumns(CTablewrightDoc& doc, const std::vector<int>& order);

// Sorts the rows by column as one step, the empty rows at the end left
// there for typing; the cursor keeps its indexes. The list is marked changed
// even when no row moves, or when there is nothing to sort.
void SortByColumn(CTablewrightDoc& doc, int column, bool ascending);
// Sorts the rows by keys, the first deciding first, as one step; otherwise
// as SortByColumn.
void SortByKeys(CTablewrightDoc& doc, const std::vector<SortKey>& keys);
// A click on column's header: sorts in the direction the document's sort
// state gives for it (see SortState).
void SortByHeaderClick(CTablewrightDoc& doc, int column);

} // namespace GridCommands
