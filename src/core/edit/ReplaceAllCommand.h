#pragma once

#include "edit/EditCommand.h"
#include "grid/GridListCtrl.h"

#include <vector>

// A replace-all: the rows it changed, and only those. It holds their new
// content until it is applied and their old content afterwards, exchanging
// the two at each undo and redo, so it keeps one copy of the changed rows.
// The current cell and the selection stay as they are.
class CReplaceAllCommand : public CEditCommand
{
public:
    // changedRows: each changed row with its new content, rows in order;
    // oldBytes: the size of those rows' present content.
    CReplaceAllCommand(std::vector<CGridListCtrl::RowExchange> changedRows, std::size_t oldBytes);

    QString Name() const override { return QStringLiteral("Remplacer tout"); }
    void Apply(CGridListCtrl& grid) override { grid.ExchangeRows(m_rows); }
    void Revert(CGridListCtrl& grid) override { grid.ExchangeRows(m_rows); }
    std::size_t Cost() const override { return m_cost; }

private:
    std::vector<CGridListCtrl::RowExchange> m_rows;
    std::size_t m_cost;
};
