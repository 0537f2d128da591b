#include "edit/NumberText.h"
#include "edit/SortKeys.h"
#include "grid/GridListCtrl.h"

#include "TestDoubles.h"

#include <gtest/gtest.h>

#include <numeric>

namespace {

using Column = std::vector<std::string>;

// The rows of a list, row k holding rows[k] joined by '|', in the order the
// keys give them.
Column Sorted(const std::vector<Column>& rows, const std::vector<SortKey>& keys)
{
    CGridListCtrl grid;
    std::vector<std::string> names(rows.front().size(), "c");
    Fill(grid, names, rows);
    std::vector<int> all(rows.size());
    std::iota(all.begin(), all.end(), 0);
    const std::vector<int> order = SortOrderByKeys(grid, keys, all);
    Column out;
    for (const int row : order) {
        std::string joined = rows[row].front();
        for (std::size_t c = 1; c < rows[row].size(); ++c)
            joined += "|" + rows[row][c];
        out.push_back(joined);
    }
    return out;
}

Column SortedColumn(const Column& cells, CellOrder order, bool ascending = true)
{
    std::vector<Column> rows;
    for (const std::string& cell : cells)
        rows.push_back({cell});
    return Sorted(rows, {{0, ascending, order}});
}

// Each expected order, given backwards and shuffled, comes out as written.
TEST(SortOrdersTest, EachOrderSortsAsWritten)
{
    struct Case
    {
        CellOrder order;
        bool ascending;
        Column expected;
    };
    const Case cases[] = {
        {CellOrder::Alphabetic, true, {"andré", "bob", "Émile", "Éric", "Zoe", "zoé"}},
        {CellOrder::Alphabetic, true, {"cote", "Cote", "coté", "côte", "Côte", "côté"}},
        {CellOrder::Alphabetic,
         true,
         {"a b", "a-b", "ab", "Ab", "æb", "az", "Œuf", "zèbre", "ωμέγα"}},
        {CellOrder::Alphabetic, true, {"1", "10", "2", "a", "b", ""}},
        {CellOrder::Alphabetic, false, {"zoé", "Zoe", "Éric", "Émile", "bob", "andré", ""}},
        // A decomposed é weighs as the composed one.
        {CellOrder::Alphabetic,
         true,
         {"ea",
          "e\xCC\x81"
          "a",
          "eb"}},
        {CellOrder::Numeric,
         true,
         {"-1 234,5",
          "\xE2\x88\x92"
          "3",
          "-0.5", "0", "0,25", "1.5", "2", "10", "1 000",
          "1\xC2\xA0"
          "500,75",
          "2e3", "1,2,3", "abc", "Zéro", ""}},
        {CellOrder::Numeric, false, {"10", "9,5", "2", "-1", "b", "abc", ""}},
        {CellOrder::Natural,
         true,
         {"ligne", "ligne1", "ligne2", "ligne10", "ligne10a", "Ligne11", "lignes", ""}},
        {CellOrder::Natural, true, {"a0", "a1", "a9", "a10", "a99999999999999999999"}},
        {CellOrder::Text, true, {"", "A", "b", "Z", "é"}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.expected.front() + " ... " + c.expected.back());
        Column given(c.expected.rbegin(), c.expected.rend());
        std::rotate(given.begin(), given.begin() + given.size() / 2, given.end());
        EXPECT_EQ(SortedColumn(given, c.order, c.ascending), c.expected);
    }
}

// Rows equal on every key keep their order; the second key decides where
// the first ties.
TEST(SortOrdersTest, SeveralKeysAndStability)
{
    const std::vector<Column> rows = {
        {"b", "2", "x1"}, {"a", "10", "x2"}, {"b", "10", "x3"}, {"a", "2", "x4"},
        {"b", "2", "x5"}, {"a", "10", "x6"}, {"", "1", "x7"},   {"B", "2", "x8"},
    };
    struct Case
    {
        std::vector<SortKey> keys;
        Column expected;
    };
    const Case cases[] = {
        {{{0, true, CellOrder::Alphabetic}},
         {"a|10|x2", "a|2|x4", "a|10|x6", "b|2|x1", "b|10|x3", "b|2|x5", "B|2|x8", "|1|x7"}},
        {{{0, true, CellOrder::Alphabetic}, {1, false, CellOrder::Numeric}},
         {"a|10|x2", "a|10|x6", "a|2|x4", "b|10|x3", "b|2|x1", "b|2|x5", "B|2|x8", "|1|x7"}},
        {{{1, true, CellOrder::Numeric}, {0, false, CellOrder::Alphabetic}},
         {"|1|x7", "B|2|x8", "b|2|x1", "b|2|x5", "a|2|x4", "b|10|x3", "a|10|x2", "a|10|x6"}},
    };
    for (const Case& c : cases)
        EXPECT_EQ(Sorted(rows, c.keys), c.expected);
}

TEST(SortOrdersTest, NumbersAreReadInFrenchAndEnglish)
{
    struct Case
    {
        const char* cell;
        bool number;
        double value;
        int decimals;
    };
    const Case cases[] = {
        {"12", true, 12, 0},
        {" 1 234,5 ", true, 1234.5, 1},
        {"1\xC2\xA0"
         "234\xE2\x80\xAF"
         "567.25",
         true, 1234567.25, 2},
        {"-0,001", true, -0.001, 3},
        {"+7", true, 7, 0},
        {"\xE2\x88\x92"
         "2.5",
         true, -2.5, 1},
        {",5", true, 0.5, 1},
        {"1,234", true, 1.234, 3},
        {"1.5e3", true, 1500, 1},
        {"12345678901234567890", true, 12345678901234567890.0, 0},
        {"0.1", true, 0.1, 1},
        {"", false, 0, 0},
        {"-", false, 0, 0},
        {"1,", false, 0, 0},
        {"1 23", false, 0, 0},
        {"1234 567", false, 0, 0},
        {"1,234.5", false, 0, 0},
        {"12 €", false, 0, 0},
        {"1e999", false, 0, 0},
        {"abc", false, 0, 0},
        {"0x10", false, 0, 0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.cell);
        const std::optional<CellNumber> number = ReadNumber(c.cell);
        ASSERT_EQ(number.has_value(), c.number);
        if (number) {
            EXPECT_DOUBLE_EQ(number->value, c.value);
            EXPECT_EQ(number->decimals, c.decimals);
        }
    }
}

} // namespace
