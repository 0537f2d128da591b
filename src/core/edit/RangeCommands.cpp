#include "edit/RangeCommands.h"

#include "document/TablewrightDoc.h"
#include "edit/CellCommands.h"
#include "edit/ColumnCommands.h"
#include "edit/CommandSequence.h"
#include "edit/GridCommands.h"
#include "edit/RowChanges.h"
#include "edit/RowContentCommand.h"
#include "exchange/ClipboardBlock.h"
#include "grid/CellText.h"
#include "grid/GridListCtrl.h"
#include "resources/StringTable.h"

#include <algorithm>
#include <vector>

namespace GridCommands {

namespace {

// One text in every cell of the range (of its rows shown, under a filter),
// as one step; the range stays selected.
void WriteRange(CTablewrightDoc& doc, std::string_view text, const char* name)
{
    const CGridListCtrl& grid = doc.GetGrid();
    const CellRange range = TargetRange(grid);
    std::size_t oldBytes = 0;
    const std::string clean = CellText::Clean(text);
    RowExchanges rows = ChangedRows(
        grid, grid.Shown().RowsIn(range.top, range.bottom), range, grid.GetColumnCount(),
        [&](int) { return SameText(clean); }, oldBytes);
    Perform(doc, RangeStep(name, std::move(rows), oldBytes, range));
}

// The rows a block of count rows lands on from row top: the rows shown from
// there, in order, then rows appended at the end of the list.
std::vector<int> LandingRows(const CGridListCtrl& grid, int top, int count)
{
    const CShownRows& shown = grid.Shown();
    std::vector<int> rows;
    rows.reserve(static_cast<std::size_t>(count));
    for (int at = shown.FirstShownFrom(top); at < shown.Count() && std::ssize(rows) < count; ++at)
        rows.push_back(shown.ListRow(at));
    for (int appended = grid.GetItemCount(); std::ssize(rows) < count; ++appended)
        rows.push_back(appended);
    return rows;
}

// The columns and rows the list needs to hold range, as steps to take first.
std::vector<std::unique_ptr<CEditCommand>> GrowthSteps(const CGridListCtrl& grid,
                                                       const CellRange& range)
{
    std::vector<std::unique_ptr<CEditCommand>> steps;
    for (int column = grid.GetColumnCount(); column <= range.right; ++column)
        steps.push_back(std::make_unique<CInsertColumnCommand>(column));
    const int rows = grid.GetItemCount();
    if (range.bottom >= rows)
        steps.push_back(std::make_unique<CAppendRowsCommand>(rows, range.bottom + 1 - rows));
    return steps;
}

// A list without rows has no cell to stand on: a block fills it from its
// first cell, columns added as it needs them. Under a filter the block
// fills the rows shown, in order. A block that holds what its cells hold
// already makes no step, so the steps to redo stay; its cells become the
// range and the list is marked changed all the same, as for every command.
void PasteBlock(CTablewrightDoc& doc, const ClipboardBlock::Block& block)
{
    CGridListCtrl& grid = doc.GetGrid();
    CellRange target = TargetRange(grid);
    if (grid.GetItemCount() == 0)
        target = {0, 0, 0, 0};
    if (target.IsEmpty()) {
        doc.MarkChangedWithoutStep();
        return;
    }
    const std::vector<int> landing =
        LandingRows(grid, target.top, static_cast<int>(block.rows.size()));
    const CellRange pasted{landing.front(), target.left, landing.back(),
                           target.left + block.columns - 1};
    std::vector<std::unique_ptr<CEditCommand>> steps = GrowthSteps(grid, pasted);
    std::size_t oldBytes = 0;
    const int columns = std::max(grid.GetColumnCount(), pasted.right + 1);
    RowExchanges changed = ChangedRows(
        grid, landing, pasted, columns,
        [&](int k) { return CellCursor(block.rows[static_cast<std::size_t>(k)]); }, oldBytes);
    if (steps.empty() && changed.empty()) {
        grid.Cursor().SelectRange(pasted);
        doc.MarkChangedWithoutStep();
        return;
    }
    const QString name = QString::fromUtf8(Strings::kPasteCells);
    steps.push_back(std::make_unique<CRowContentCommand>(
        name, std::move(changed), oldBytes, CRowContentCommand::Focus::OnRange, pasted));
    doc.Execute(std::make_unique<CCommandSequence>(std::move(steps), name));
}

} // namespace

CellRange TargetRange(const CGridListCtrl& grid)
{
    return grid.Cursor().Range();
}

std::string RangeText(const CGridListCtrl& grid)
{
    return ClipboardBlock::FormatText(grid, TargetRange(grid));
}

void EmptyRange(CTablewrightDoc& doc, Emptying emptying)
{
    if (!doc.GetGrid().Cursor().HasRange()) {
        if (emptying == Emptying::Clear)
            ClearCurrentCell(doc);
        else
            CutCurrentCell(doc);
        return;
    }
    WriteRange(doc, {}, emptying == Emptying::Clear ? Strings::kClearCells : Strings::kCutCells);
}

void FillRange(CTablewrightDoc& doc, std::string_view text, Filling filling)
{
    if (!doc.GetGrid().Cursor().HasRange()) {
        if (filling == Filling::Edit)
            CommitCell(doc, text);
        else
            PasteIntoCurrentCell(doc, text);
        return;
    }
    WriteRange(doc, text, filling == Filling::Edit ? Strings::kFillCells : Strings::kPasteCells);
}

std::optional<std::string> Paste(CTablewrightDoc& doc, std::string_view text, std::string_view html)
{
    std::optional<ClipboardBlock::Block> block = ClipboardBlock::Read(text, html);
    std::string single;
    if (block) {
        if (block->rows.size() > 1 || block->columns > 1) {
            PasteBlock(doc, *block);
            return std::nullopt;
        }
        // One cell copied from a spreadsheet comes with a line end.
        single = block->rows.empty() ? std::string() : std::move(block->rows.front());
    } else {
        single = CellText::Clean(text);
    }
    if (doc.GetGrid().Cursor().HasRange()) {
        FillRange(doc, single, Filling::Paste);
        return std::nullopt;
    }
    PasteIntoCurrentCell(doc, single);
    return single;
}

} // namespace GridCommands
