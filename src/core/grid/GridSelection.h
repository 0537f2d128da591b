#pragma once

#include "grid/GridTypes.h"

#include <vector>

class CGridListCtrl;

// The one cursor of the grid: the current cell, where typing, Delete, paste
// and the row commands act, and the anchor that a range is stretched from.
// The range is the rectangle between the two. Each change goes through a
// method that tells the grid's listener, so that what is highlighted is
// what the keys act on.
//
// Both ends stay on their rows while rows come, go and move. An end whose
// row goes passes to the row that takes its place, or to the last row; the
// current cell then stands on a row shown, and with no row left no cell is
// current. Column changes leave the cursor's numbers alone.
class CGridSelection
{
public:
    explicit CGridSelection(CGridListCtrl& grid) : m_grid(grid) {}
    CGridSelection(const CGridSelection&) = delete;
    CGridSelection& operator=(const CGridSelection&) = delete;

    int CurrentRow() const { return m_nCurRow; }
    int CurrentColumn() const { return m_nCurCol; }
    GridCell Current() const { return {m_nCurRow, m_nCurCol}; }
    GridCell Anchor() const { return {m_nAnchorRow, m_nAnchorCol}; }
    // True when the current cell lies inside the grid.
    bool HasCurrentCell() const;
    // The cells between the anchor and the current cell, kept inside the
    // grid; empty when there is no current cell.
    CellRange Range() const;
    // True when the range holds more than one cell.
    bool HasRange() const;

    // Makes a cell current and the range that one cell. -1 for either
    // leaves no cell current.
    void SetCurrent(int row, int column);
    // Makes a row current, in the current column (the first when no cell is
    // current), and the range that one cell.
    void SetCurrentRow(int row);
    // Moves the current cell and keeps the anchor: the range stretches.
    void ExtendTo(int row, int column);
    // The range covers every cell, the current cell at the top left.
    void SelectAll();
    // The range given, its top left current.
    void SelectRange(const CellRange& range);
    // Every cell of the rows first..last, the current cell in first.
    void SelectRows(int first, int last);
    // Stretches a range of whole rows to row.
    void ExtendRowsTo(int row);
    // After a change of the list: a current cell or anchor beyond the
    // grid's rows or columns is forgotten. True when the current cell was.
    bool ForgetVanished();

    // Called by the grid after its rows changed as named, as CShownRows is.
    void Inserted(int first, int count);
    void Removed(int first, int count);
    void Moved(int from, int landing);
    void RemovedSet(const std::vector<int>& rows);
    void InsertedSet(const std::vector<int>& rows);

private:
    void Changed();
    // Puts each end of the cursor on the row rowAfter gives for its old
    // one, then keeps the current cell on a row shown.
    template <typename RowAfter> void FollowRows(RowAfter rowAfter);

    CGridListCtrl& m_grid;
    int m_nCurRow = -1;
    int m_nCurCol = -1;
    int m_nAnchorRow = -1;
    int m_nAnchorCol = -1;
};
