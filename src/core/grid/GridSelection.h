#pragma once

#include "grid/GridTypes.h"

class CGridListCtrl;

// The one cursor of the grid: the current cell, where typing, Delete and
// paste act, and the anchor that a range is stretched from. The range is
// the rectangle between the two. Each change goes through a method that
// tells the grid's listener, and the grid's selected row follows the
// current cell, so that what is highlighted is what the keys act on.
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

    // Makes a cell current and the range that one cell; the grid selects
    // its row. -1 for either leaves no cell current.
    void SetCurrent(int row, int column);
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

private:
    void Changed();

    CGridListCtrl& m_grid;
    int m_nCurRow = -1;
    int m_nCurCol = -1;
    int m_nAnchorRow = -1;
    int m_nAnchorCol = -1;
};
