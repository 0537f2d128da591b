#include "edit/GridCommands.h"
#include "grid/GridListCtrl.h"
#include "grid/GridListener.h"

#include "TestDoubles.h"

#include <gtest/gtest.h>

namespace {

using GridCommands::Extend;
using GridCommands::Move;

// Ten rows under four columns.
void FillTenRows(CGridListCtrl& grid)
{
    Fill(grid, {"A", "B", "C", "D"}, {});
    grid.AppendEmptyRows(10);
}

TEST(GridSelectionTest, MovesStopAtTheEdgesAndTheSelectedRowFollows)
{
    struct Case
    {
        const char* what;
        GridCell from;
        Move move;
        GridCell to;
    };
    const Case cases[] = {
        {"down", {3, 1}, Move::Down, {4, 1}},
        {"down on the last row", {9, 1}, Move::Down, {9, 1}},
        {"up on the first row", {0, 2}, Move::Up, {0, 2}},
        {"left in the first column", {5, 0}, Move::Left, {5, 0}},
        {"right in the last column", {5, 3}, Move::Right, {5, 3}},
        {"home", {5, 2}, Move::RowStart, {5, 0}},
        {"end", {5, 1}, Move::RowEnd, {5, 3}},
        {"ctrl+home", {5, 2}, Move::First, {0, 0}},
        {"ctrl+end", {5, 1}, Move::Last, {9, 3}},
        {"page down", {2, 1}, Move::PageDown, {6, 1}},
        {"page down near the end", {8, 1}, Move::PageDown, {9, 1}},
        {"page up near the top", {2, 1}, Move::PageUp, {0, 1}},
        {"no current cell starts at the first cell", {-1, -1}, Move::Down, {0, 0}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        CGridListCtrl grid;
        FillTenRows(grid);
        grid.Cursor().SetCurrent(c.from.row, c.from.column);
        GridCommands::MoveCursor(grid, c.move, 4, Extend::No);
        EXPECT_EQ(grid.Cursor().Current(), c.to);
        EXPECT_EQ(grid.GetSelectedRow(), c.to.row);
        EXPECT_FALSE(grid.Cursor().HasRange());
    }
}

TEST(GridSelectionTest, RangesStretchFromTheAnchor)
{
    struct Case
    {
        const char* what;
        void (*select)(CGridListCtrl&);
        CellRange range;
        GridCell current;
    };
    const Case cases[] = {
        {"shift with moves",
         [](CGridListCtrl& g) {
             g.Cursor().SetCurrent(4, 2);
             GridCommands::MoveCursor(g, Move::Down, 4, Extend::Range);
             GridCommands::MoveCursor(g, Move::Down, 4, Extend::Range);
             GridCommands::MoveCursor(g, Move::Left, 4, Extend::Range);
         },
         {4, 1, 6, 2},
         {6, 1}},
        {"back over the anchor",
         [](CGridListCtrl& g) {
             g.Cursor().SetCurrent(4, 2);
             g.Cursor().ExtendTo(6, 3);
             g.Cursor().ExtendTo(1, 0);
         },
         {1, 0, 4, 2},
         {1, 0}},
        {"a plain move ends the range",
         [](CGridListCtrl& g) {
             g.Cursor().SetCurrent(4, 2);
             g.Cursor().ExtendTo(6, 3);
             GridCommands::MoveCursor(g, Move::Up, 4, Extend::No);
         },
         {5, 3, 5, 3},
         {5, 3}},
        {"every cell", [](CGridListCtrl& g) { g.Cursor().SelectAll(); }, {0, 0, 9, 3}, {0, 0}},
        {"rows by their numbers",
         [](CGridListCtrl& g) {
             g.Cursor().SelectRows(7, 7);
             g.Cursor().ExtendRowsTo(2);
         },
         {2, 0, 7, 3},
         {2, 0}},
        {"an anchor beyond the rows is kept inside",
         [](CGridListCtrl& g) {
             g.Cursor().SetCurrent(9, 3);
             g.Cursor().ExtendTo(8, 3);
             g.TakeRows(9, 1);
         },
         {8, 3, 8, 3},
         {8, 3}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        CGridListCtrl grid;
        FillTenRows(grid);
        c.select(grid);
        EXPECT_EQ(grid.Cursor().Range(), c.range);
        EXPECT_EQ(grid.Cursor().Current(), c.current);
        EXPECT_EQ(grid.GetSelectedRow(), c.current.row);
    }
}

class CursorCounter : public IGridListener
{
public:
    int moves = 0;
    void CursorChanged() override { ++moves; }
};

// The view redraws on each report, and once for a batch.
TEST(GridSelectionTest, EveryChangeIsReportedOnceAndABatchOnceAtItsEnd)
{
    CGridListCtrl grid;
    FillTenRows(grid);
    CursorCounter counter;
    grid.SetListener(&counter);
    grid.Cursor().SetCurrent(1, 1);
    grid.Cursor().ExtendTo(2, 2);
    grid.Cursor().SelectAll();
    EXPECT_EQ(counter.moves, 3);
    {
        const ScopedRedrawSuspension suspended(grid);
        grid.Cursor().SetCurrent(3, 3);
        grid.Cursor().SetCurrent(4, 3);
        EXPECT_EQ(counter.moves, 3);
    }
    EXPECT_EQ(counter.moves, 4);
    grid.SetListener(nullptr);
}

} // namespace
