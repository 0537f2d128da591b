#include "edit/SortRows.h"
#include "edit/GridCommands.h"
#include "edit/TextCase.h"

#include "EditTestSupport.h"

#include <QThread>
#include <gtest/gtest.h>

#include <cstdio>
#include <memory>
#include <random>
#include <string>
#include <utility>
#include <vector>

namespace {

using Rows = std::vector<std::vector<std::string>>;

// The sort written out step by step as the list has always done it: rows
// exchanged whole, every key upper-cased again at each comparison. The
// fast sort must give exactly its order, equal keys included.
class ReferenceSort
{
public:
    ReferenceSort(Rows& rows, int columns) : m_rows(rows), m_columns(columns) {}

    bool Sort(int column, bool ascending, int lo, int hi)
    {
        if (hi == -1)
            hi = static_cast<int>(m_rows.size()) - 1;
        if (hi <= lo || column >= m_columns || column < 0 || lo < 0)
            return false;
        const std::string pivot = Key((lo + hi) / 2, column);
        int i = lo;
        int j = hi;
        while (i <= j) {
            if (ascending) {
                while (i < hi && Key(i, column) < pivot)
                    ++i;
                while (j > lo && Key(j, column) > pivot)
                    --j;
            } else {
                while (i < hi && Key(i, column) > pivot)
                    ++i;
                while (j > lo && Key(j, column) < pivot)
                    --j;
            }
            if (i > j)
                break;
            if (Key(i, column) != Key(j, column))
                std::swap(m_rows[i], m_rows[j]);
            ++i;
            --j;
        }
        if (lo < j)
            Sort(column, ascending, lo, j);
        if (i < hi)
            Sort(column, ascending, i, hi);
        return true;
    }

private:
    std::string Key(int row, int column) const { return TextCase::Upper(m_rows[row][column]); }

    Rows& m_rows;
    int m_columns;
};

// The first column of each row, joined by spaces.
std::string Firsts(const CGridListCtrl& grid)
{
    std::string text;
    for (int r = 0; r < grid.GetItemCount(); ++r)
        text += (r ? " " : "") + grid.GetItemText(r, 0);
    return text;
}

TEST(SortRowsTest, OrdersByUpperCasedBytes)
{
    struct Case
    {
        const char* what;
        std::vector<std::string> keys;
        bool ascending;
        std::string sorted;
    };
    const Case cases[] = {
        {"case is ignored", {"b", "A", "c"}, true, "A b c"},
        {"descending", {"b", "A", "c"}, false, "c b A"},
        {"keys equal but for case stay put", {"abc", "ABC"}, true, "abc ABC"},
        {"the other way too", {"ABC", "abc"}, false, "ABC abc"},
        {"three equal keys", {"Abc", "abc", "ABC"}, true, "Abc abc ABC"},
        {"empty cells first", {"b", "", "a"}, true, " a b"},
        {"empty cells last descending", {"", "b", "a"}, false, "b a "},
        {"text, not numbers", {"9", "10", "100"}, true, "10 100 9"},
        {"a prefix first",
         {"abcdefghij", "ABCDEFGHI", "abcdefgh"},
         true,
         "abcdefgh ABCDEFGHI abcdefghij"},
        {"apart beyond eight bytes",
         {"abcdefghz", "abcdefghia", "ABCDEFGHIA"},
         true,
         "ABCDEFGHIA abcdefghia abcdefghz"},
        {"accents after ASCII, é with É", {"é", "f", "É", "e", "z"}, true, "e f z É é"},
        {"one to one upper case only", {"ß", "ss", "SS"}, true, "SS ss ß"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        CGridListCtrl grid;
        Rows rows;
        for (const std::string& key : c.keys)
            rows.push_back({key});
        Fill(grid, {"Nom"}, rows);
        EXPECT_TRUE(SortRows(grid, 0, c.ascending, 0, -1));
        EXPECT_EQ(Firsts(grid), c.sorted);
    }
}

// A sort moves whole rows and nothing else: names, widths and the cursor
// stay as they were.
TEST(SortRowsTest, MovesWholeRowsOnly)
{
    CGridListCtrl grid;
    Fill(grid, {"Ville", "Nom", "Note"},
         {{"Lyon", "Paul", "3"}, {"Albi", "", "1"}, {"Paris", "Marie"}, {"", "Zoé", "2"}});
    grid.SetColumnWidth(1, 40);
    grid.Cursor().SetCurrent(2, 1);
    ASSERT_TRUE(SortRows(grid, 1, true, 0, -1));
    EXPECT_EQ(Shape(grid), "Ville|Nom|Note\nAlbi||1\nParis|Marie|\nLyon|Paul|3\n|Zoé|2\n"
                           "widths 100 40 100");
    EXPECT_EQ(Focus(grid), "cur 2,1");
    EXPECT_EQ(GridFault(grid), "");
}

// Clicks on a header: the first sorts ascending, the next on the same
// column turns the direction round, a click on another column starts
// ascending again.
TEST(SortRowsTest, HeaderClicksToggleTheDirection)
{
    CGridListCtrl grid;
    Fill(grid, {"A", "B"}, {{"b", "2"}, {"A", "3"}, {"c", "1"}});
    SortState state;
    struct Click
    {
        int column;
        bool ascending;
        std::string firsts;
    };
    const Click clicks[] = {
        {0, true, "A b c"}, {0, false, "c b A"}, {0, true, "A b c"},
        {1, true, "c b A"}, {0, true, "A b c"},  {0, false, "c b A"},
    };
    for (const Click& click : clicks) {
        EXPECT_EQ(state.Click(click.column), click.ascending);
        EXPECT_EQ(state.column, click.column);
        SortRows(grid, click.column, state.ascending, 0, -1);
        EXPECT_EQ(Firsts(grid), click.firsts);
    }
}

TEST(SortRowsTest, NothingToSortLeavesTheRows)
{
    struct Case
    {
        const char* what;
        Rows rows;
        int column, first, last;
    };
    const Case cases[] = {
        {"no row", {}, 0, 0, -1},
        {"one row", {{"b"}}, 0, 0, -1},
        {"column past the last", {{"b"}, {"a"}}, 2, 0, -1},
        {"negative column", {{"b"}, {"a"}}, -1, 0, -1},
        {"one-row range", {{"b"}, {"a"}}, 0, 1, 1},
        {"range upside down", {{"b"}, {"a"}}, 0, 1, 0},
        {"range before the rows", {{"b"}, {"a"}}, 0, -1, 1},
        {"range past the rows", {{"b"}, {"a"}}, 0, 2, -1},
        {"range ending past the rows", {{"b"}, {"a"}}, 0, 0, 2},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        CGridListCtrl grid;
        Fill(grid, {"A", "B"}, c.rows);
        const std::string before = Dump(grid);
        EXPECT_TRUE(SortOrder(grid, c.column, true, c.first, c.last).empty());
        EXPECT_FALSE(SortRows(grid, c.column, true, c.first, c.last));
        EXPECT_EQ(Dump(grid), before);
    }
}

// Keys from a tiny alphabet, so that most are equal to others, some only
// but for case; a few share eight bytes or more before they differ, and
// some hold NUL, which must not pass for the end of a short key.
std::string RandomKey(std::mt19937& random)
{
    static const std::vector<std::string> pieces = {
        "a", "A", "b", "B", "é", "É", "z", std::string(1, '\0'), "ab", "Ab"};
    static const std::vector<std::string> starts = {"", "", "", "abcdefg", "ABCDEFGH", "abcdefgh"};
    std::string key = starts[random() % starts.size()];
    const int length = static_cast<int>(random() % 3);
    for (int i = 0; i < length; ++i)
        key += pieces[random() % pieces.size()];
    return key;
}

// The rows of a grid after Fill, the way Dump shows them.
std::string DumpRows(const std::vector<std::string>& names, const Rows& rows)
{
    CGridListCtrl grid;
    Fill(grid, names, rows);
    return Dump(grid);
}

TEST(SortRowsTest, SameOrderAsTheStepByStepSort)
{
    std::mt19937 random(20240611);
    const std::vector<std::string> names = {"K1", "K2", "Id"};
    for (int list = 0; list < 400; ++list) {
        const int count = list < 380 ? static_cast<int>(random() % 40) : 1000;
        Rows rows;
        for (int r = 0; r < count; ++r)
            rows.push_back({RandomKey(random), RandomKey(random), std::to_string(r)});
        const int column = static_cast<int>(random() % 2);
        const bool ascending = random() % 2 == 0;
        int first = 0;
        int last = -1;
        if (list % 3 == 1 && count > 0) {
            first = static_cast<int>(random() % count);
            last = first + static_cast<int>(random() % (count - first));
        }
        SCOPED_TRACE("list " + std::to_string(list));
        CGridListCtrl grid;
        Fill(grid, names, rows);
        const bool sorted = SortRows(grid, column, ascending, first, last);
        EXPECT_EQ(sorted, ReferenceSort(rows, 3).Sort(column, ascending, first, last));
        ASSERT_EQ(Dump(grid), DumpRows(names, rows));
    }
}

// Keys that make each partition split off one row only: the recursion
// must stay shallow all the same, here on a stack far too small for one
// level a row.
TEST(SortRowsTest, WorstCaseKeysKeepTheStackShallow)
{
    constexpr int kRows = 8000;
    // Each range's middle row holds its largest key, which the partition
    // moves to the end before it takes the rest as the next range.
    std::vector<int> at(kRows);
    std::vector<int> value(kRows);
    for (int r = 0; r < kRows; ++r)
        at[r] = r;
    for (int hi = kRows - 1; hi > 0; --hi) {
        value[at[hi / 2]] = hi;
        std::swap(at[hi / 2], at[hi]);
    }
    value[at[0]] = 0;
    CGridListCtrl grid;
    grid.InsertColumn(0, "N");
    for (int r = 0; r < kRows; ++r) {
        char key[16];
        std::snprintf(key, sizeof key, "%05d", value[r]);
        grid.InsertItem(r, key);
    }
    bool sorted = false;
    std::unique_ptr<QThread> thread(
        QThread::create([&] { sorted = SortRows(grid, 0, true, 0, -1); }));
    thread->setStackSize(256 * 1024);
    thread->start();
    ASSERT_TRUE(thread->wait());
    EXPECT_TRUE(sorted);
    for (int r = 0; r < kRows; ++r)
        ASSERT_EQ(std::stoi(grid.GetItemText(r, 0)), r);
}

} // namespace
