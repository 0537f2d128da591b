#pragma once

#include <vector>

// What a display of the grid is told. Every "AboutTo" call comes before the
// grid changes and its partner after, so a Qt model can forward them as they
// are. While the grid's drawing is suspended the single calls stay silent:
// the first change calls AboutToReset and resuming the drawing calls Reset.
class IGridListener
{
public:
    virtual ~IGridListener() = default;

    virtual void AboutToReset() {}
    virtual void Reset() {}
    virtual void RowsAboutToBeInserted(int /*first*/, int /*last*/) {}
    virtual void RowsInserted() {}
    virtual void RowsAboutToBeRemoved(int /*first*/, int /*last*/) {}
    virtual void RowsRemoved() {}
    virtual void ColumnsAboutToBeInserted(int /*first*/, int /*last*/) {}
    virtual void ColumnsInserted() {}
    virtual void ColumnsAboutToBeRemoved(int /*first*/, int /*last*/) {}
    virtual void ColumnsRemoved() {}
    // The row at from moves to position to, counted before it leaves its
    // place (a Qt model's destination row).
    virtual void RowsAboutToBeMoved(int /*from*/, int /*to*/) {}
    virtual void RowsMoved() {}
    // The columns change places together with their cells: afterwards
    // column k is the one that was at order[k].
    virtual void ColumnsAboutToBeReordered() {}
    virtual void ColumnsReordered(const std::vector<int>& /*order*/) {}
    virtual void CellChanged(int /*row*/, int /*column*/) {}
    // Cells of rows first..last changed, every column of them; the rows
    // stay where they are.
    virtual void RowsChanged(int /*first*/, int /*last*/) {}
    // Name or width of columns first..last changed.
    virtual void HeaderChanged(int /*first*/, int /*last*/) {}
    // The left-to-right display order of the columns changed.
    virtual void ColumnOrderChanged() {}
    // The current cell or the range changed.
    virtual void CursorChanged() {}
    virtual void EnsureVisibleRequested(int /*row*/, bool /*partialOk*/) {}
};
