#pragma once

#include "grid/GridSelection.h"
#include "grid/GridTypes.h"
#include "grid/PackedRow.h"
#include "grid/ShownRows.h"

#include <string>
#include <string_view>
#include <vector>

class IGridListener;

// The one store of a list: rows of UTF-8 cells under named columns, with the
// header's display order and the cursor: the current cell and the range
// stretched from it, which follow the rows as they come, go and move.
// Row i is list item i; column 0 holds the item text. No text that enters it
// keeps a TAB, CR or LF.
class CGridListCtrl
{
public:
    CGridListCtrl() = default;
    CGridListCtrl(const CGridListCtrl&) = delete;
    CGridListCtrl& operator=(const CGridListCtrl&) = delete;

    void SetListener(IGridListener* listener) { m_listener = listener; }

    // Rows and cells.
    int GetItemCount() const { return static_cast<int>(m_rows.size()); }
    // Inserts a row whose first cell is text; an index at or beyond the row
    // count appends. Returns the new row's index, or -1 when refused.
    int InsertItem(int row, std::string_view text);
    bool DeleteItem(int row);
    bool DeleteAllItems();
    std::string GetItemText(int row, int column) const;
    // The cell's text without a copy; valid until the grid next changes.
    std::string_view ItemTextView(int row, int column) const;
    bool SetItemText(int row, int column, std::string_view text);
    // Appends the row built so far, as the readers do, and empties the
    // builder. Cells beyond the last column are dropped. Returns the new
    // row's index.
    int AppendRow(RowBuilder& row, std::uint32_t origin = 0);
    // The number of the record a row was read from, which every change of
    // the row keeps (see PackedRow); 0 for a row not read from a file.
    // Setting it tells no listener: nothing shown changes.
    std::uint32_t RowOrigin(int row) const;
    void SetRowOrigin(int row, std::uint32_t origin);
    // Every cell of a row joined by TAB (trailing empty cells left out).
    std::string_view JoinedRowView(int row) const;
    // Moves count rows from first out of the grid, and back in at first, as
    // one change each: the rows travel packed, so a million of them cost no
    // more than their text.
    PackedRows TakeRows(int first, int count);
    bool PutRows(int first, PackedRows rows);
    // Moves the rows listed (in increasing order, each once) out of the
    // grid in one pass, and back in at those places: a display hears of a
    // new table. False or nothing, changing nothing, when a row does not fit.
    PackedRows TakeRowSet(const std::vector<int>& rows);
    bool PutRowSet(const std::vector<int>& rows, PackedRows packed);
    // Appends count empty rows as one change.
    void AppendEmptyRows(int count);
    // Appends rows as they stand, as one change: a reader's rows, whose
    // cells beyond the last column are the reader's to drop (KeepCells).
    void AppendRows(PackedRows rows);
    // Rows first..last keep no more than their first count cells.
    void KeepCells(int first, int last, int count);

    // Columns.
    int GetColumnCount() const { return static_cast<int>(m_columns.size()); }
    // Returns the new column's index, or -1 when refused.
    int InsertColumn(int column, std::string_view name, int width = kDefaultColumnWidth);
    // Whether InsertColumns moves the rows' cells under their columns at
    // once, or leaves that to a later ShiftCellsRight of the caller, which
    // holds the drawing suspended meanwhile.
    enum class CellMove
    {
        Now,
        Later
    };
    // Inserts one column per name, the first at column, the others after
    // it, in one pass over the rows: a record of many names costs no more
    // than reading it. Returns the first new column's index, or -1.
    int InsertColumns(int column, const std::vector<std::string>& names,
                      int width = kDefaultColumnWidth, CellMove move = CellMove::Now);
    // Moves the cells of rows first..last count columns to the right, after
    // columns were inserted in front of them with CellMove::Later: a list
    // with many records of names moves each row once, not once a record.
    void ShiftCellsRight(int first, int last, int count);
    bool DeleteColumn(int column);
    void DeleteAllColumns();
    std::string GetColumnName(int column) const;
    void SetColumnName(int column, std::string_view name);
    int GetColumnWidth(int column) const;
    bool SetColumnWidth(int column, int width);
    // order[k] is the column shown at display position k.
    std::vector<int> GetColumnOrderArray() const { return m_order; }
    bool SetColumnOrderArray(const std::vector<int>& order);

    // Drawing. Suspensions nest; changes made while suspended are reported
    // once, when the outermost suspension ends.
    void SetRedraw(bool redraw);
    bool IsRedrawSuspended() const { return m_suspendDepth > 0; }
    void EnsureVisible(int row, bool partialOk);

    // Whole-row and whole-table operations.
    bool CopyRow(int from, int to);
    bool MoveRow(int from, int to);
    bool CaptureTable(std::vector<GridColumn>& columns, std::vector<GridRow>& rows) const;
    // A new table in place of the old one; afterwards no cell is current.
    bool RebuildTable(const std::vector<GridColumn>& columns, const std::vector<GridRow>& rows);
    // The table of a grid filled apart (a file read while this grid still
    // showed the list before it) in place of this one's, without a copy;
    // from is left empty. Afterwards every row is shown and no cell is
    // current.
    void TakeTable(CGridListCtrl& from);
    // Makes the header's display order the physical order of the columns and
    // their cells: afterwards the display order is the identity, and the
    // cursor keeps its numbers. The listener hears of a reorder, not of a
    // new table.
    void ApplyColumnOrder();
    // The same for an order given outright, which must hold every column
    // once: afterwards column k is the one that was at order[k].
    // False, changing nothing, when order does not fit the columns.
    bool PermuteColumns(const std::vector<int>& order);

    // Moving whole columns and rows out and back in, for undo and redo. A
    // column's cells travel as one TAB-joined text, field i being the cell
    // of row i, so a million rows cost little more than their text. The
    // column moves are one pass over the rows under suspended drawing: the
    // listener hears one reset.
    // Removes column with its cells; header receives its name and width.
    bool TakeColumn(int column, GridColumn& header, std::string& cells);
    // Inserts a column at column holding cells, as TakeColumn gave them;
    // returns the new column's index, or -1 when refused.
    int PutColumn(int column, const GridColumn& header, std::string_view cells);
    // Inserts a row at row holding the TAB-joined cells; an index at or
    // beyond the row count appends. Returns the row's index, or -1.
    int InsertJoinedRow(int row, std::string_view joined);

    // Rows that change content but not place: a sort and a replace-all.
    // PermuteRows puts the rows in a new order, which must hold every row
    // once: afterwards row k is the one that was at order[k]. The cursor
    // keeps its indexes and shows other content.
    // False, changing nothing, when order does not fit the rows.
    bool PermuteRows(const std::vector<int>& order);
    // Exchanges each listed row's content with the row held beside it, so
    // the list holds the new rows and the list of changes the old ones.
    // False, changing nothing, when a listed row is not in the grid.
    struct RowExchange
    {
        int row;
        PackedRow packed;
    };
    bool ExchangeRows(std::vector<RowExchange>& rows);

    // Where the user is: the current cell and the range. It follows the rows
    // that come, go and move, as the rows shown do.
    CGridSelection& Cursor() { return m_selection; }
    const CGridSelection& Cursor() const { return m_selection; }

    // The rows a display shows: every row, or those a filter keeps. A
    // display hears of a new table when they change, and a current cell
    // that goes out of sight moves to the first row shown.
    const CShownRows& Shown() const { return m_shown; }
    // Shows only the rows given, in list order.
    void FilterRows(std::vector<int> rows);
    void ShowAllRows();

private:
    friend class CGridSelection;
    // Tells the listener the cursor moved; while drawing is suspended,
    // once, when it resumes.
    void CursorChanged();
    bool ValidRow(int row) const { return row >= 0 && row < GetItemCount(); }
    void ChangeShownRows(std::vector<int>* rows);
    bool ValidColumn(int column) const { return column >= 0 && column < GetColumnCount(); }
    // True when the listener is to hear of a change one call at a time.
    bool NotifyEach();
    int InsertPacked(int row, PackedRow packed);
    void ResetColumnOrder();

    PackedRows m_rows;
    std::vector<GridColumn> m_columns;
    std::vector<int> m_order;
    int m_suspendDepth = 0;
    bool m_batchStarted = false;
    int m_pendingEnsureVisible = -1;
    bool m_pendingPartialOk = false;
    bool m_pendingCursor = false;
    IGridListener* m_listener = nullptr;
    CGridSelection m_selection{*this};
    CShownRows m_shown{*this};
};

// Holds the grid's drawing suspended for as long as it lives, so that an
// early return or an exception never leaves the grid without redraw.
class ScopedRedrawSuspension
{
public:
    explicit ScopedRedrawSuspension(CGridListCtrl& grid) : m_grid(grid) { m_grid.SetRedraw(false); }
    ~ScopedRedrawSuspension() { m_grid.SetRedraw(true); }
    ScopedRedrawSuspension(const ScopedRedrawSuspension&) = delete;
    ScopedRedrawSuspension& operator=(const ScopedRedrawSuspension&) = delete;

private:
    CGridListCtrl& m_grid;
};
