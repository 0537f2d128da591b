#pragma once

#include "edit/EditCommand.h"
#include "grid/GridListCtrl.h"

#include <QString>

#include <vector>

// A change to the cells of some rows that leaves every row in its place: a
// replace-all, a block pasted, a range emptied or filled. It holds the
// changed rows' new content until it is applied and their old content
// afterwards, exchanging the two at each undo and redo, so it keeps one
// copy of the changed rows and nothing of the others.
class CRowContentCommand : public CEditCommand
{
public:
    // What the cursor does when the change is done, undone or redone.
    enum class Focus
    {
        // The range given becomes the selection, its top left current.
        OnRange,
        // The first time the cursor stays where it is; undo and redo make
        // the first changed row current, in the current column.
        StayThenFirstRow
    };

    // changedRows: each changed row with its new content, rows in order;
    // oldBytes: the size of those rows' present content.
    CRowContentCommand(QString name, std::vector<CGridListCtrl::RowExchange> changedRows,
                       std::size_t oldBytes, Focus focus, CellRange range = {});

    QString Name() const override { return m_name; }
    bool Apply(CGridListCtrl& grid) override { return Exchange(grid); }
    bool Revert(CGridListCtrl& grid) override { return Exchange(grid); }
    std::size_t Cost() const override { return m_cost; }

private:
    bool Exchange(CGridListCtrl& grid);
    void MoveCursor(CGridListCtrl& grid);

    QString m_name;
    std::vector<CGridListCtrl::RowExchange> m_rows;
    std::size_t m_cost;
    Focus m_focus;
    CellRange m_range;
    bool m_applied = false;
};
