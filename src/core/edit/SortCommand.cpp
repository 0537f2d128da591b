#include "edit/SortCommand.h"

#include "edit/SortRows.h"
#include "grid/GridListCtrl.h"

#include <algorithm>

std::unique_ptr<CSortRowsCommand> CSortRowsCommand::Create(const CGridListCtrl& grid, int column,
                                                           bool ascending)
{
    std::vector<int> order = SortOrder(grid, column, ascending, 0, -1);
    if (std::is_sorted(order.begin(), order.end()))
        return nullptr;
    return std::make_unique<CSortRowsCommand>(Key{}, std::move(order));
}

void CSortRowsCommand::Apply(CGridListCtrl& grid)
{
    grid.PermuteRows(m_order);
}

// The inverse is made for the undo and dropped after it, so that the step
// keeps one order, not two.
void CSortRowsCommand::Revert(CGridListCtrl& grid)
{
    std::vector<int> inverse(m_order.size());
    for (std::size_t sorted = 0; sorted < m_order.size(); ++sorted)
        inverse[m_order[sorted]] = static_cast<int>(sorted);
    grid.PermuteRows(inverse);
}

std::size_t CSortRowsCommand::Cost() const
{
    return sizeof(*this) + m_order.capacity() * sizeof(int);
}
