#include "edit/RowFilter.h"

#include "grid/GridListCtrl.h"

bool RowMatches(const CGridListCtrl& grid, int row, const CTextMatcher& matcher)
{
    return matcher.MatchesJoined(grid.JoinedRowView(row), grid.GetColumnCount());
}

FilteredRows MatchingRows(const CGridListCtrl& grid, const RowFilter& filter)
{
    const CTextMatcher matcher(filter.text, filter.matchCase, filter.wholeCell, filter.regex);
    const bool oneColumn = filter.column >= 0;
    std::vector<int> rows;
    for (int row = 0; row < grid.GetItemCount() && !matcher.Failed(); ++row) {
        const bool matches = oneColumn ? matcher.Matches(grid.ItemTextView(row, filter.column))
                                       : RowMatches(grid, row, matcher);
        if (matches)
            rows.push_back(row);
    }
    if (matcher.Failed())
        return {{}, matcher.Failure()};
    return {std::move(rows), {}};
}

std::optional<RowFilter> CurrentValueFilter(const CGridListCtrl& grid)
{
    const GridCell current = grid.Cursor().Current();
    if (!grid.Cursor().HasCurrentCell())
        return std::nullopt;
    std::string text = grid.GetItemText(current.row, current.column);
    if (text.empty())
        return std::nullopt;
    return RowFilter{std::move(text), current.column, true, true};
}

QString ApplyFilter(CGridListCtrl& grid, const RowFilter& filter)
{
    if (filter.text.empty()) {
        grid.ShowAllRows();
        return {};
    }
    FilteredRows kept = MatchingRows(grid, filter);
    if (kept.failure.isEmpty())
        grid.FilterRows(std::move(kept.rows));
    return kept.failure;
}
