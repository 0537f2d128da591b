#pragma once

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
    virtual void CellChanged(int /*row*/, int /*column*/) {}
    // Name or width of columns first..last changed.
    virtual void HeaderChanged(int /*first*/, int /*last*/) {}
    // The left-to-right display order of the columns changed.
    virtual void ColumnOrderChanged() {}
    // Selection or focus of a row changed.
    virtual void ItemStateChanged(int /*row*/) {}
    virtual void EnsureVisibleRequested(int /*row*/, bool /*partialOk*/) {}
};
