#include "edit/SortCommand.h"

#include "edit/SortRows.h"
#include "grid/GridListCtrl.h"

#include <algorithm>

namespace {

bool IsEmptyRow(const CGridListCtrl& grid, int row)
{
    return grid.JoinedRowView(row).empty();
}

// Every row but the empty ones kept at the end for typing: those at the end
// of the list and, under a filter, those at the end of the rows shown.
std::vector<int> RowsToSort(const CGridListCtrl& grid)
{
    int end = grid.GetItemCount();
    while (end > 0 && IsEmptyRow(grid, end - 1))
        --end;
    // The empty rows ending the rows shown, from the last one up.
    std::vector<int> skipped;
    const CShownRows& shown = grid.Shown();
    if (shown.IsFiltering()) {
        for (int at = shown.Count() - 1; at >= 0 && IsEmptyRow(grid, shown.ListRow(at)); --at)
            skipped.push_back(shown.ListRow(at));
    }
    std::vector<int> rows;
    rows.reserve(static_cast<std::size_t>(end));
    for (int row = 0; row < end; ++row) {
        if (!skipped.empty() && skipped.back() == row)
            skipped.pop_back();
        else
            rows.push_back(row);
    }
    return rows;
}

} // namespace

std::unique_ptr<CSortRowsCommand> CSortRowsCommand::Create(const CGridListCtrl& grid, int column,
                                                           bool ascending)
{
    return FromOrder(SortOrder(grid, column, ascending, RowsToSort(grid)));
}

std::unique_ptr<CSortRowsCommand> CSortRowsCommand::Create(const CGridListCtrl& grid,
                                                           const std::vector<SortKey>& keys)
{
    return FromOrder(SortOrderByKeys(grid, keys, RowsToSort(grid)));
}

std::unique_ptr<CSortRowsCommand> CSortRowsCommand::FromOrder(std::vector<int> order)
{
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
