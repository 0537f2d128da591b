#include "edit/ReplaceAllCommand.h"

#include <algorithm>

CReplaceAllCommand::CReplaceAllCommand(std::vector<CGridListCtrl::RowExchange> changedRows,
                                       std::size_t oldBytes)
    : m_rows(std::move(changedRows))
{
    // The command holds the new rows or the old ones, by turns: the larger
    // of the two is what it costs.
    std::size_t newBytes = 0;
    for (const CGridListCtrl::RowExchange& exchange : m_rows)
        newBytes += exchange.packed.Joined().size();
    m_cost = sizeof(*this) + m_rows.capacity() * sizeof(CGridListCtrl::RowExchange) +
             std::max(newBytes, oldBytes);
}
