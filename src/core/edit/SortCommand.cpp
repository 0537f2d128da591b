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

bool CSortRowsCommand::Apply(CGridListCtrl& grid)
{
    return grid.PermuteRows(m_order);
}

// The inverse is made for the undo and dropped after it, so that the step
// keeps one order, not two.
bool CSortRowsCommand::Revert(CGridListCtrl& grid)
{
    return grid.PermuteRows(InverseOrder(m_order));
}

std::size_t CSortRowsCommand::Cost() const
{
    return sizeof(*this) + m_order.capacity() * sizeof(int);
}
