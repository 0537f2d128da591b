#pragma once

#include <QString>

#include <cstddef>

class CGridListCtrl;

// One change the user makes to the list. It applies itself and reverts
// itself exactly (cells, names, widths, row order, column order), and keeps
// only what it changes, so that undoing a change to a huge list costs
// memory in proportion to the change, not to the list.
class CEditCommand
{
public:
    virtual ~CEditCommand() = default;

    // The step's name in the Edit menu: "Supprimer la ligne".
    virtual QString Name() const = 0;
    // Apply is called once when the command is done and again on each redo;
    // Revert on each undo. Both leave the cursor on what the change
    // concerns. Each first checks that the list is the one it was made for
    // (its rows and columns are where they were) and returns false,
    // changing nothing, when it is not: a step that cannot apply exactly
    // must never pass for done.
    [[nodiscard]] virtual bool Apply(CGridListCtrl& grid) = 0;
    [[nodiscard]] virtual bool Revert(CGridListCtrl& grid) = 0;
    // Bytes the command keeps, for the history's memory bound.
    virtual std::size_t Cost() const = 0;
};
