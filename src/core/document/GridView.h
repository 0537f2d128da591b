#pragma once

class CGridListCtrl;

// What the document needs of its one view: the grid (null while the view
// has not created it yet), the last-row option and the pending-load flag.
class IGridView
{
public:
    virtual ~IGridView() = default;
    virtual CGridListCtrl* GetGrid() = 0;
    // Non-zero: after a list is read, its last row is scrolled into view.
    virtual int GoToLastItem() const = 0;
    virtual void SetLoadPending(bool pending) = 0;
};
