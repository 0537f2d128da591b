#include "grid/GridListCtrl.h"
#include "grid/CellText.h"
#include "grid/GridListener.h"

#include "TestDoubles.h"

#include <gtest/gtest.h>

namespace {

TEST(CellTextTest, LineBreaksAndTabsBecomeOneSpace)
{
    const struct
    {
        std::string in;
        std::string out;
    } cases[] = {
        {"plain", "plain"},
        {"a\tb", "a b"},
        {"a\r\nb", "a b"},
        {"a\rb", "a b"},
        {"a\nb", "a b"},
        {"a\n\rb", "a  b"},
        {"\t\t", "  "},
        {"end\r\n", "end "},
        {"é\tà", "é à"},
        // Breaks found past the first eight bytes, which are tested at once.
        {"abcdefg\rhij", "abcdefg hij"},
        {"abcdefghijklmnop\n", "abcdefghijklmnop "},
        // Bytes that are not UTF-8 become U+FFFD; the grid holds UTF-8 only.
        {"half \xC3", "half \uFFFD"},
        {"\xE9t\xE9", "\uFFFDt\uFFFD"},
        {"\xED\xA0\x80 surrogate", "\uFFFD\uFFFD\uFFFD surrogate"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.in);
        EXPECT_EQ(CellText::Clean(c.in), c.out);
    }
}

TEST(GridListCtrlTest, EveryWayInKeepsTheGridUtf8)
{
    CGridListCtrl grid;
    grid.InsertColumn(0, "\xFFname");
    grid.InsertColumns(1, {"ok", "bad\xC3"});
    grid.InsertItem(0, "caf\xE9");
    grid.SetItemText(0, 1, "x\xC3");
    grid.SetColumnName(2, "\x80\tx");
    EXPECT_EQ(GridFault(grid), "");
    EXPECT_EQ(Dump(grid), "\uFFFDname|ok|\uFFFD x\ncaf\uFFFD|x\uFFFD|");
}

TEST(CellTextTest, PrefixCountsCharactersNotBytes)
{
    EXPECT_EQ(CellText::Utf8Prefix("abc", 2), "ab");
    EXPECT_EQ(CellText::Utf8Prefix("éèê", 2), "éè");
    EXPECT_EQ(CellText::Utf8Prefix("ab", 5), "ab");
    EXPECT_EQ(CellText::Utf8Prefix("a€b", 2), "a€");
}

TEST(GridListCtrlTest, CellsFollowColumnInsertAndDelete)
{
    CGridListCtrl grid;
    Fill(grid, {"A", "B", "C"}, {{"1", "2", "3"}, {"4", "", "6"}});
    grid.InsertColumn(1, "X");
    EXPECT_EQ(Dump(grid), "A|X|B|C\n1||2|3\n4|||6");
    grid.DeleteColumn(0);
    EXPECT_EQ(Dump(grid), "X|B|C\n|2|3\n||6");
    EXPECT_EQ(grid.InsertColumn(99, "Z"), 3);
    EXPECT_EQ(grid.GetColumnWidth(3), kDefaultColumnWidth);
    EXPECT_EQ(grid.InsertColumn(-1, "bad"), -1);
    EXPECT_FALSE(grid.DeleteColumn(4));
}

TEST(GridListCtrlTest, RejectsWhatItCannotHold)
{
    CGridListCtrl grid;
    Fill(grid, {"A", "B"}, {{"x"}});
    EXPECT_FALSE(grid.SetItemText(0, 2, "beyond"));
    EXPECT_FALSE(grid.SetItemText(1, 0, "no row"));
    EXPECT_EQ(grid.GetItemText(5, 5), "");
    EXPECT_EQ(grid.InsertItem(-1, "x"), -1);
    EXPECT_EQ(grid.InsertItem(50, "tail"), 1);

    grid.SetItemText(0, 1, "line\r\nbreak\ttab");
    EXPECT_EQ(grid.GetItemText(0, 1), "line break tab");
    grid.SetColumnName(0, std::string(300, 'n'));
    EXPECT_EQ(grid.GetColumnName(0).size(), 255u);
    grid.InsertColumn(0, "two\nlines");
    EXPECT_EQ(grid.GetColumnName(0), "two lines");
}

TEST(GridListCtrlTest, MoveRowMovesOrRefuses)
{
    const struct
    {
        int from;
        int to;
        bool moved;
        std::string order;
    } cases[] = {
        {2, 1, true, "a c b d"}, // up
        {1, 3, true, "a c b d"}, // down
        {0, -1, false, "a b c d"}, {3, 5, false, "a b c d"},
        {2, 4, true, "a b d c"}, // next-to-last down lands at the end
        {1, 1, false, "a b c d"},  {9, 2, false, "a b c d"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << c.from << "->" << c.to);
        CGridListCtrl grid;
        Fill(grid, {"N", "V"}, {{"a", "1"}, {"b", "2"}, {"c", "3"}, {"d", "4"}});
        EXPECT_EQ(grid.MoveRow(c.from, c.to), c.moved);
        std::string order;
        for (int r = 0; r < grid.GetItemCount(); ++r)
            order += (r ? " " : "") + grid.GetItemText(r, 0);
        EXPECT_EQ(order, c.order);
        for (int r = 0; r < grid.GetItemCount(); ++r)
            EXPECT_EQ(grid.GetItemText(r, 1)[0] - '1', grid.GetItemText(r, 0)[0] - 'a');
    }
}

TEST(GridListCtrlTest, CaptureAndRebuildKeepTheTable)
{
    CGridListCtrl grid;
    Fill(grid, {"one", "two", "three"}, {{"a", "b", "c"}, {"", "", "z"}});
    grid.SetColumnWidth(1, 42);
    grid.SetColumnOrderArray({1, 2, 0});

    std::vector<GridColumn> columns;
    std::vector<GridRow> rows;
    grid.CaptureTable(columns, rows);
    ASSERT_EQ(rows.size(), 2u);
    EXPECT_EQ(rows[1], (GridRow{"", "", "z"}));
    EXPECT_EQ(columns[1].width, 42);

    // Reorder as a header drag would: the second column first.
    const std::vector<int> order = grid.GetColumnOrderArray();
    std::vector<GridColumn> newColumns;
    std::vector<GridRow> newRows(rows.size());
    for (const int k : order) {
        newColumns.push_back(columns[k]);
        for (std::size_t i = 0; i < rows.size(); ++i)
            newRows[i].push_back(rows[i][k]);
    }
    grid.RebuildTable(newColumns, newRows);
    EXPECT_EQ(Dump(grid), "two|three|one\nb|c|a\n|z|");
    EXPECT_EQ(grid.GetColumnWidth(0), 42);
    EXPECT_EQ(grid.GetColumnOrderArray(), (std::vector<int>{0, 1, 2}));
}

TEST(GridListCtrlTest, ColumnOrderMustBeAPermutation)
{
    CGridListCtrl grid;
    Fill(grid, {"A", "B", "C"}, {});
    EXPECT_FALSE(grid.SetColumnOrderArray({0, 0, 1}));
    EXPECT_FALSE(grid.SetColumnOrderArray({0, 1}));
    EXPECT_TRUE(grid.SetColumnOrderArray({2, 0, 1}));
    grid.DeleteColumn(0);
    EXPECT_EQ(grid.GetColumnOrderArray(), (std::vector<int>{1, 0}));
    grid.InsertColumn(0, "new");
    EXPECT_EQ(grid.GetColumnOrderArray(), (std::vector<int>{0, 2, 1}));
    grid.InsertColumns(1, {"x", "y"});
    EXPECT_EQ(grid.GetColumnOrderArray(), (std::vector<int>{0, 1, 2, 4, 3}));
    EXPECT_FALSE(grid.SetColumnOrderArray({0, 1, 2, 3, 5}));
    EXPECT_EQ(grid.GetColumnOrderArray(), (std::vector<int>{0, 1, 2, 4, 3}));
}

// A record of names goes in as one block; the grid ends as it would after
// inserting the names one by one, each after the one before.
TEST(GridListCtrlTest, ColumnsInsertedAsABlockMatchOneByOne)
{
    const struct
    {
        int at;
        std::vector<std::string> names;
    } cases[] = {{0, {"x", "y", "z"}}, {1, {"x", "y"}}, {2, {"x"}}, {9, {"x", "y"}}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.at);
        CGridListCtrl block;
        CGridListCtrl single;
        for (CGridListCtrl* grid : {&block, &single})
            Fill(*grid, {"a", "b"}, {{"1", "2"}, {"3"}, {}, {"", "4"}});
        block.SetColumnWidth(1, 70);
        single.SetColumnWidth(1, 70);
        EXPECT_EQ(block.InsertColumns(c.at, c.names, 60), std::min(c.at, 2));
        for (std::size_t i = 0; i < c.names.size(); ++i)
            single.InsertColumn(std::min(c.at, 2) + static_cast<int>(i), c.names[i], 60);
        EXPECT_EQ(Dump(block), Dump(single));
        EXPECT_EQ(block.GetColumnOrderArray(), single.GetColumnOrderArray());
        for (int column = 0; column < block.GetColumnCount(); ++column)
            EXPECT_EQ(block.GetColumnWidth(column), single.GetColumnWidth(column));
    }
    CGridListCtrl grid;
    Fill(grid, {"a"}, {{"1"}});
    EXPECT_EQ(grid.InsertColumns(0, {"x", "y"}), 0);
    EXPECT_EQ(Dump(grid), "x|y|a\n||1");
    EXPECT_EQ(grid.InsertColumns(-1, {"z"}), -1);
    EXPECT_EQ(grid.InsertColumns(0, {}), -1);
    grid.DeleteAllColumns();
    EXPECT_EQ(Dump(grid), "\n");
    EXPECT_TRUE(grid.GetColumnOrderArray().empty());
    // Cells of the deleted columns do not come back with new ones.
    grid.InsertColumn(0, "new");
    EXPECT_EQ(Dump(grid), "new\n");
}

class RecordingListener : public IGridListener
{
public:
    std::vector<std::string> events;
    void AboutToReset() override { events.push_back("aboutToReset"); }
    void Reset() override { events.push_back("reset"); }
    void RowsAboutToBeInserted(int first, int last) override
    {
        events.push_back("insert " + std::to_string(first) + "-" + std::to_string(last));
    }
    void RowsInserted() override { events.push_back("inserted"); }
    void RowsAboutToBeRemoved(int first, int last) override
    {
        events.push_back("remove " + std::to_string(first) + "-" + std::to_string(last));
    }
    void RowsRemoved() override { events.push_back("removed"); }
    void RowsAboutToBeMoved(int from, int to) override
    {
        events.push_back("move " + std::to_string(from) + " to " + std::to_string(to));
    }
    void RowsMoved() override { events.push_back("moved"); }
    void ColumnsAboutToBeReordered() override { events.push_back("reorder"); }
    void ColumnsReordered(const std::vector<int>& order) override
    {
        std::string shown = "reordered";
        for (const int column : order)
            shown += " " + std::to_string(column);
        events.push_back(shown);
    }
    void CellChanged(int row, int column) override
    {
        events.push_back("cell " + std::to_string(row) + "," + std::to_string(column));
    }
    void EnsureVisibleRequested(int row, bool) override
    {
        events.push_back("visible " + std::to_string(row));
    }
};

TEST(GridListCtrlTest, SuspendedChangesAreReportedOnce)
{
    CGridListCtrl grid;
    RecordingListener listener;
    grid.SetListener(&listener);
    grid.InsertColumn(0, "A");
    grid.InsertItem(0, "x");
    grid.SetItemText(0, 0, "y");
    EXPECT_EQ(listener.events, (std::vector<std::string>{"insert 0-0", "inserted", "cell 0,0"}));

    listener.events.clear();
    grid.SetRedraw(false);
    grid.SetRedraw(false);
    for (int i = 0; i < 1000; ++i)
        grid.InsertItem(grid.GetItemCount(), "row");
    grid.EnsureVisible(500, false);
    grid.SetRedraw(true);
    EXPECT_EQ(listener.events, (std::vector<std::string>{"aboutToReset"}));
    grid.SetRedraw(true);
    EXPECT_EQ(listener.events, (std::vector<std::string>{"aboutToReset", "reset", "visible 500"}));

    listener.events.clear();
    grid.SetRedraw(false);
    grid.SetRedraw(true);
    EXPECT_TRUE(listener.events.empty());
    grid.DeleteAllItems();
    EXPECT_EQ(listener.events, (std::vector<std::string>{"remove 0-1000", "removed"}));
}

// A view keeps its scroll position and open editor only when a moved row
// is told as a move.
TEST(GridListCtrlTest, MovedRowsAreReportedAsMoves)
{
    CGridListCtrl grid;
    Fill(grid, {"A"}, {{"0"}, {"1"}, {"2"}, {"3"}});
    RecordingListener listener;
    grid.SetListener(&listener);
    ASSERT_TRUE(grid.MoveRow(0, 4));
    ASSERT_TRUE(grid.MoveRow(3, 1));
    // Moving a row to just below itself leaves it where it is.
    ASSERT_TRUE(grid.MoveRow(2, 3));
    EXPECT_EQ(Dump(grid), "A\n1\n0\n2\n3");
    EXPECT_EQ(listener.events,
              (std::vector<std::string>{"move 0 to 4", "moved", "move 3 to 1", "moved"}));
}

// Dropping a dragged header makes the shown order the columns' own.
TEST(GridListCtrlTest, ApplyColumnOrderMovesNamesWidthsAndCells)
{
    CGridListCtrl grid;
    Fill(grid, {"one", "two", "three"}, {{"1", "2", "3"}, {"a"}, {}});
    grid.SetColumnWidth(0, 40);
    ASSERT_TRUE(grid.SetColumnOrderArray({1, 2, 0}));
    RecordingListener listener;
    grid.SetListener(&listener);
    grid.ApplyColumnOrder();
    EXPECT_EQ(Dump(grid), "two|three|one\n2|3|1\n||a\n||");
    EXPECT_EQ(grid.GetColumnWidth(2), 40);
    EXPECT_EQ(grid.GetColumnOrderArray(), (std::vector<int>{0, 1, 2}));
    EXPECT_EQ(listener.events, (std::vector<std::string>{"reorder", "reordered 1 2 0"}));

    // An unmoved header and a list without rows are rebuilt as they are.
    CGridListCtrl empty;
    Fill(empty, {"x", "y"}, {});
    empty.ApplyColumnOrder();
    EXPECT_EQ(Dump(empty), "x|y");
}

} // namespace
