#include "edit/GridCommands.h"
#include "edit/RowFilter.h"
#include "grid/GridListCtrl.h"

#include "TestDoubles.h"

#include <gtest/gtest.h>

#include <functional>
#include <numeric>

namespace {

// The first cells of the rows shown, joined by spaces.
std::string ShownTexts(const CGridListCtrl& grid)
{
    std::string texts;
    for (int shown = 0; shown < grid.Shown().Count(); ++shown)
        texts += (shown ? " " : "") + grid.GetItemText(grid.Shown().ListRow(shown), 0);
    return texts;
}

// r0 .. r7, the even ones shown.
void FillFiltered(CGridListCtrl& grid)
{
    std::vector<std::vector<std::string>> rows;
    for (int row = 0; row < 8; ++row)
        rows.push_back({"r" + std::to_string(row)});
    Fill(grid, {"N"}, rows);
    grid.FilterRows({0, 2, 4, 6});
}

} // namespace

// A row that comes in is shown, rows put back included, and a row keeps
// being shown or hidden where it moves.
TEST(ShownRowsTest, FollowsTheRowsThroughEveryChange)
{
    struct Case
    {
        const char* name;
        std::function<void(CGridListCtrl&)> change;
        std::string shown;
    };
    const Case cases[] = {
        {"insert", [](CGridListCtrl& g) { g.InsertItem(3, "new"); }, "r0 r2 new r4 r6"},
        {"insert just above a shown row", [](CGridListCtrl& g) { g.InsertItem(4, "new"); },
         "r0 r2 new r4 r6"},
        {"append", [](CGridListCtrl& g) { g.AppendEmptyRows(2); }, "r0 r2 r4 r6  "},
        {"delete shown", [](CGridListCtrl& g) { g.DeleteItem(2); }, "r0 r4 r6"},
        {"delete hidden", [](CGridListCtrl& g) { g.DeleteItem(3); }, "r0 r2 r4 r6"},
        {"move shown down", [](CGridListCtrl& g) { g.MoveRow(0, 6); }, "r2 r4 r0 r6"},
        {"move hidden up", [](CGridListCtrl& g) { g.MoveRow(7, 0); }, "r0 r2 r4 r6"},
        {"sort backwards",
         [](CGridListCtrl& g) {
             g.PermuteRows({7, 6, 5, 4, 3, 2, 1, 0});
         },
         "r6 r4 r2 r0"},
        {"take and put back", [](CGridListCtrl& g) { ASSERT_TRUE(g.PutRows(1, g.TakeRows(1, 4))); },
         "r0 r1 r2 r3 r4 r6"},
        {"take a set",
         [](CGridListCtrl& g) {
             g.TakeRowSet({1, 2, 5, 6});
         },
         "r0 r4"},
        {"take a set and put it back",
         [](CGridListCtrl& g) {
             ASSERT_TRUE(g.PutRowSet({0, 3, 7}, g.TakeRowSet({0, 3, 7})));
         },
         "r0 r2 r3 r4 r6 r7"},
        {"delete all, then append",
         [](CGridListCtrl& g) {
             g.DeleteAllItems();
             g.InsertItem(0, "seul");
         },
         "seul"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        CGridListCtrl grid;
        FillFiltered(grid);
        c.change(grid);
        EXPECT_EQ(ShownTexts(grid), c.shown);
        EXPECT_TRUE(grid.Shown().IsFiltering());
        for (int shown = 0; shown < grid.Shown().Count(); ++shown)
            EXPECT_EQ(grid.Shown().ShownIndex(grid.Shown().ListRow(shown)), shown);
    }
}

TEST(ShownRowsTest, TakingASetKeepsTheRestInOrder)
{
    CGridListCtrl grid;
    FillFiltered(grid);
    grid.ShowAllRows();
    PackedRows taken = grid.TakeRowSet({1, 2, 6});
    EXPECT_EQ(ShownTexts(grid), "r0 r3 r4 r5 r7");
    EXPECT_TRUE(grid.TakeRowSet({3, 2}).empty());
    EXPECT_FALSE(grid.PutRowSet({0, 9}, std::move(taken)));
    EXPECT_EQ(grid.GetItemCount(), 5);
}

// A filter that hides the current cell moves it to the first row shown;
// the display hears of one new table.
TEST(ShownRowsTest, AFilterMovesAHiddenCursor)
{
    CGridListCtrl grid;
    FillFiltered(grid);
    grid.Cursor().SetCurrent(4, 0);
    grid.FilterRows({1, 5});
    EXPECT_EQ(grid.Cursor().Current(), (GridCell{1, 0}));
    grid.FilterRows({});
    EXPECT_FALSE(grid.Cursor().HasCurrentCell());
    grid.ShowAllRows();
    EXPECT_EQ(grid.Shown().Count(), 8);
    EXPECT_EQ(grid.Shown().RowsIn(6, 20), (std::vector<int>{6, 7}));
}

// Under a filter the cursor steps from row shown to row shown; Tab past
// the last one goes to a row to append.
TEST(ShownRowsTest, TheCursorStepsOverTheRowsShown)
{
    using namespace GridCommands;
    struct Case
    {
        Move move;
        int pageRows;
        GridCell target;
    };
    const Case cases[] = {
        {Move::Down, 1, {4, 0}},  {Move::Up, 1, {0, 0}},   {Move::PageDown, 5, {6, 0}},
        {Move::First, 1, {0, 0}}, {Move::Last, 1, {6, 0}}, {Move::Right, 1, {2, 0}},
    };
    for (const Case& c : cases) {
        CGridListCtrl grid;
        FillFiltered(grid);
        grid.Cursor().SetCurrent(2, 0);
        EXPECT_EQ(MoveTarget(grid, c.move, c.pageRows), c.target) << static_cast<int>(c.move);
    }
    CGridListCtrl grid;
    FillFiltered(grid);
    grid.Cursor().SetCurrent(6, 0);
    EXPECT_EQ(TabTarget(grid), (GridCell{8, 0}));
}

// Find's rules, in every column or in one, a pattern's among them.
TEST(ShownRowsTest, MatchesAsFindDoes)
{
    CGridListCtrl grid;
    Fill(grid, {"Ville", "Note"},
         {{"Paris", "été"}, {"Lyon", "ÉTÉ"}, {"paris", "x"}, {"Parisien", "Paris"}});
    struct Case
    {
        RowFilter filter;
        std::vector<int> rows;
    };
    const Case cases[] = {
        {{"paris"}, {0, 2, 3}},
        {{"paris", 0}, {0, 2, 3}},
        {{"paris", 1}, {3}},
        {{"Paris", -1, true}, {0, 3}},
        {{"paris", -1, false, true}, {0, 2, 3}},
        {{"Paris", 0, true, true}, {0}},
        {{"été"}, {0, 1}},
        {{"été", -1, true}, {0}},
        {{"absent"}, {}},
        {{"^paris$", 0, false, false, true}, {0, 2}},
        {{"^ÉT", 1, false, false, true}, {0, 1}},
        {{"s\\sé", -1, false, false, true}, {}}, // never across two cells
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.filter.text + " column " + std::to_string(c.filter.column));
        EXPECT_EQ(MatchingRows(grid, c.filter).rows, c.rows);
    }
    ApplyFilter(grid, {"lyon"});
    EXPECT_EQ(ShownTexts(grid), "Lyon");
    ApplyFilter(grid, {});
    EXPECT_FALSE(grid.Shown().IsFiltering());
}
