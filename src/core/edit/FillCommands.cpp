#include "edit/FillCommands.h"

#include "document/TablewrightDoc.h"
#include "edit/GridCommands.h"
#include "edit/RowChanges.h"
#include "grid/GridListCtrl.h"
#include "resources/StringTable.h"

#include <vector>

namespace GridCommands {

namespace {

// A row's cells from column left on, as a fill down copies them.
CellCursor CellsFrom(const CGridListCtrl& grid, int row, int left)
{
    CellCursor cells(grid.JoinedRowView(row));
    for (int column = 0; column < left; ++column)
        cells.Next();
    return cells;
}

void FillDown(CTablewrightDoc& doc, const CellRange& range)
{
    const CGridListCtrl& grid = doc.GetGrid();
    const CShownRows& shown = grid.Shown();
    std::vector<int> rows = shown.RowsIn(range.top, range.bottom);
    if (rows.empty())
        return;
    int source = rows.front();
    if (rows.size() == 1)
        source = shown.ListRow(shown.FirstShownFrom(source) - 1);
    else
        rows.erase(rows.begin());
    if (source < 0)
        return;
    std::size_t oldBytes = 0;
    RowExchanges changed = ChangedRows(
        grid, rows, range, grid.GetColumnCount(),
        [&](int) { return CellsFrom(grid, source, range.left); }, oldBytes);
    Perform(doc, RangeStep(Strings::kFillDown, std::move(changed), oldBytes, range));
}

void FillRight(CTablewrightDoc& doc, const CellRange& range)
{
    const CGridListCtrl& grid = doc.GetGrid();
    CellRange written = range;
    int source = range.left;
    if (range.ColumnCount() == 1)
        --source;
    else
        ++written.left;
    const std::vector<int> rows = grid.Shown().RowsIn(range.top, range.bottom);
    if (source < 0 || rows.empty())
        return;
    std::size_t oldBytes = 0;
    RowExchanges changed = ChangedRows(
        grid, rows, written, grid.GetColumnCount(),
        [&](int k) {
            return SameText(grid.ItemTextView(rows[static_cast<std::size_t>(k)], source));
        },
        oldBytes);
    Perform(doc, RangeStep(Strings::kFillRight, std::move(changed), oldBytes, range));
}

} // namespace

void FillFromEdge(CTablewrightDoc& doc, FillDirection direction)
{
    const CellRange range = doc.GetGrid().Cursor().Range();
    if (range.IsEmpty())
        return;
    if (direction == FillDirection::Down)
        FillDown(doc, range);
    else
        FillRight(doc, range);
}

} // namespace GridCommands
