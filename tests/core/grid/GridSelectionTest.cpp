#include "edit/GridCommands.h"
#include "grid/GridListCtrl.h"
#include "grid/GridListener.h"

#include "TestDoubles.h"

#include <gtest/gtest.h>

#include <functional>
#include <string>

namespace {

using GridCommands::Extend;
using GridCommands::Move;

// Ten rows under four columns.
void FillTenRows(CGridListCtrl& grid)
{
    Fill(grid, {"A", "B", "C", "D"}, {});
    grid.AppendEmptyRows(10);
}

TEST(GridSelectionTest, MovesStopAtTheEdges)
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
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        CGridListCtrl grid;
        FillTenRows(grid);
        c.select(grid);
        EXPECT_EQ(grid.Cursor().Range(), c.range);
        EXPECT_EQ(grid.Cursor().Current(), c.current);
    }
}

// The anchor and the current cell, as "2,0 4,1".
std::string Ends(const CGridListCtrl& grid)
{
    const auto cell = [](GridCell at) {
        return std::to_string(at.row) + "," + std::to_string(at.column);
    };
    return cell(grid.Cursor().Anchor()) + " " + cell(grid.Cursor().Current());
}

// Both ends of the cursor stay on their rows whatever rows come, go or
// move; an end whose row goes passes to the row that takes its place, and
// the current cell to a row shown. Rows r0..r7, the range from (2,0) to
// (4,1); under the filter the even rows are shown.
TEST(GridSelectionTest, TheCursorStaysOnItsRows)
{
    struct Case
    {
        const char* what;
        std::function<void(CGridListCtrl&)> change;
        const char* ends;
        const char* endsFiltered;
    };
    const Case cases[] = {
        {"insert above", [](CGridListCtrl& g) { g.InsertItem(1, ""); }, "3,0 5,1", "3,0 5,1"},
        {"insert at the anchor", [](CGridListCtrl& g) { g.InsertItem(2, ""); }, "3,0 5,1",
         "3,0 5,1"},
        {"insert at the current row", [](CGridListCtrl& g) { g.InsertItem(4, ""); }, "2,0 5,1",
         "2,0 5,1"},
        {"insert below", [](CGridListCtrl& g) { g.InsertItem(5, ""); }, "2,0 4,1", "2,0 4,1"},
        {"put rows in above",
         [](CGridListCtrl& g) { ASSERT_TRUE(g.PutRows(1, PackedRows(2))); }, "4,0 6,1",
         "4,0 6,1"},
        {"put a set in",
         [](CGridListCtrl& g) {
             ASSERT_TRUE(g.PutRowSet({0, 3, 5}, PackedRows(3)));
         },
         "4,0 7,1", "4,0 7,1"},
        {"remove above", [](CGridListCtrl& g) { g.DeleteItem(1); }, "1,0 3,1", "1,0 3,1"},
        {"remove the anchor's row", [](CGridListCtrl& g) { g.DeleteItem(2); }, "2,0 3,1",
         "2,0 3,1"},
        {"remove the current row", [](CGridListCtrl& g) { g.DeleteItem(4); }, "2,0 4,1", "2,0 5,1"},
        {"remove below", [](CGridListCtrl& g) { g.DeleteItem(5); }, "2,0 4,1", "2,0 4,1"},
        {"remove a block holding the current row", [](CGridListCtrl& g) { g.TakeRows(3, 3); },
         "2,0 3,1", "2,0 3,1"},
        {"remove the current row and all after it", [](CGridListCtrl& g) { g.TakeRows(4, 4); },
         "2,0 3,1", "2,0 2,1"},
        {"remove a set",
         [](CGridListCtrl& g) {
             g.TakeRowSet({1, 4, 6});
         },
         "1,0 3,1", "1,0 1,1"},
        {"remove every row", [](CGridListCtrl& g) { g.DeleteAllItems(); }, "-1,-1 -1,-1",
         "-1,-1 -1,-1"},
        {"move the current row up", [](CGridListCtrl& g) { g.MoveRow(4, 3); }, "2,0 3,1",
         "2,0 3,1"},
        {"move the current row down", [](CGridListCtrl& g) { g.MoveRow(4, 6); }, "2,0 5,1",
         "2,0 5,1"},
        {"move the anchor's row past the current one", [](CGridListCtrl& g) { g.MoveRow(2, 6); },
         "5,0 3,1", "5,0 3,1"},
        {"move a row from below to the top", [](CGridListCtrl& g) { g.MoveRow(7, 0); }, "3,0 5,1",
         "3,0 5,1"},
    };
    for (const bool filtered : {false, true}) {
        for (const Case& c : cases) {
            SCOPED_TRACE(std::string(c.what) + (filtered ? ", filtered" : ""));
            CGridListCtrl grid;
            Fill(grid, {"A", "B"},
                 {{"r0"}, {"r1"}, {"r2"}, {"r3"}, {"r4"}, {"r5"}, {"r6"}, {"r7"}});
            if (filtered)
                grid.FilterRows({0, 2, 4, 6});
            grid.Cursor().SetCurrent(2, 0);
            grid.Cursor().ExtendTo(4, 1);
            c.change(grid);
            EXPECT_EQ(Ends(grid), filtered ? c.endsFiltered : c.ends);
        }
    }
}

// Rows that go take the cursor's ends along; a column that goes leaves an
// anchor beyond the grid, which then goes to the current cell.
TEST(GridSelectionTest, NoAnchorIsLeftBeyondTheGrid)
{
    struct Case
    {
        const char* what;
        std::function<void(CGridListCtrl&)> change;
        const char* ends;
    };
    const Case cases[] = {
        {"the anchor's rows go",
         [](CGridListCtrl& g) {
             g.Cursor().SetCurrent(9, 3);
             g.Cursor().ExtendTo(2, 1);
             g.TakeRows(5, 5);
         },
         "4,3 2,1"},
        {"the anchor's column goes",
         [](CGridListCtrl& g) {
             g.Cursor().SelectRange({2, 1, 5, 3});
             g.DeleteColumn(3);
         },
         "2,1 2,1"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        CGridListCtrl grid;
        FillTenRows(grid);
        c.change(grid);
        EXPECT_FALSE(grid.Cursor().ForgetVanished());
        EXPECT_EQ(Ends(grid), c.ends);
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
    // Rows that come before the cursor move it; rows after it do not.
    grid.InsertItem(0, "");
    grid.InsertItem(grid.GetItemCount(), "");
    EXPECT_EQ(counter.moves, 5);
    grid.SetListener(nullptr);
}

} // namespace
