#include "edit/ReplaceAllCommand.h"

#include <algorithm>

CReplaceAllCommand::CReplaceAllCommand(std::vector<CGridListCtrl::RowExchange> changedRows)
    : m_rows(std::move(changedRows))
{
    // Rows grow or shrink by the replacement: the larger of the two
    // versions bounds what the command holds.
    m_cost = sizeof(*this) + m_rows.capacity() * sizeof(CGridListCtrl::RowExchange);
    for (const CGridListCtrl::RowExchange& exchange : m_rows)
        m_cost += exchange.packed.Joined().size();
    m_cost += m_cost / 2;
}
