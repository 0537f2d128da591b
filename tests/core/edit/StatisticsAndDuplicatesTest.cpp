#include "edit/Duplicates.h"
#include "edit/RangeStatistics.h"

#include "EditTestSupport.h"

#include <gtest/gtest.h>

namespace {

using Rows = std::vector<std::vector<std::string>>;

// The range from (top, left) to (bottom, right); rows kept shown when given.
void Select(CGridListCtrl& grid, GridCell from, GridCell to, std::vector<int> shown = {})
{
    if (!shown.empty())
        grid.FilterRows(std::move(shown));
    grid.Cursor().SetCurrent(from.row, from.column);
    grid.Cursor().ExtendTo(to.row, to.column);
}

TEST(StatisticsAndDuplicatesTest, StatisticsOfTheRangesNumbers)
{
    const Rows rows = {
        {"1 234,5", "x", "10"}, {"-34.5", "", "2,25"}, {"abc", "1,2,3", "12"}, {"100", "7", "1e2"}};
    struct Case
    {
        GridCell from;
        GridCell to;
        std::vector<int> shown;
        const char* expected; // "" for none
    };
    const Case cases[] = {
        {{0, 0}, {3, 0}, {}, "Nombre : 3 · Somme : 1\u00A0300 · Moyenne : 433,3"},
        {{0, 1}, {2, 1}, {}, "Nombre : 0"},
        {{0, 2}, {3, 2}, {}, "Nombre : 4 · Somme : 124,25 · Moyenne : 31,06"},
        {{0, 0}, {3, 2}, {0, 3}, "Nombre : 5 · Somme : 1\u00A0451,5 · Moyenne : 290,3"},
        {{1, 1}, {1, 1}, {}, ""},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.expected);
        CGridListCtrl grid;
        Fill(grid, {"A", "B", "C"}, rows);
        Select(grid, c.from, c.to, c.shown);
        const std::optional<RangeStatistics> statistics = ComputeRangeStatistics(grid);
        EXPECT_EQ(statistics ? RangeStatisticsText(*statistics).toStdString() : "", c.expected);
    }
}

// Later rows equal to an earlier one go, as one step that undo brings back.
TEST(StatisticsAndDuplicatesTest, DuplicatesGoTheFirstStays)
{
    const Rows rows = {{"a", "1", "x"}, {"b", "2", "y"}, {"a", "1", "z"}, {"", "", ""},
                       {"a", "1", "x"}, {"b", "2"},      {"", "", ""},    {"b", "2", ""}};
    struct Case
    {
        const char* what;
        GridCell from;
        GridCell to;
        std::vector<int> shown;
        const char* after;
        const char* told;
    };
    const Case cases[] = {
        {"every column",
         {0, 0},
         {0, 0},
         {},
         "A|B|C\na|1|x\nb|2|y\na|1|z\n||\nb|2|\n||",
         "2 lignes en double supprimées"},
        {"the range's columns",
         {0, 0},
         {1, 1},
         {},
         "A|B|C\na|1|x\nb|2|y\n||\n||",
         "4 lignes en double supprimées"},
        {"the last two columns",
         {0, 1},
         {0, 2},
         {},
         "A|B|C\na|1|x\nb|2|y\na|1|z\n||\nb|2|\n||",
         "2 lignes en double supprimées"},
        {"the rows shown",
         {1, 0},
         {1, 0},
         {1, 4, 5, 7},
         "A|B|C\na|1|x\nb|2|y\na|1|z\n||\na|1|x\nb|2|\n||",
         "1 ligne en double supprimée"},
        {"none", {0, 0}, {0, 0}, {0, 1}, "", "Aucune ligne en double"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        Session s;
        Fill(s.grid, {"A", "B", "C"}, rows);
        Select(s.grid, c.from, c.to, c.shown);
        const std::string before = Dump(s.grid);
        GridCommands::RemoveDuplicates(s.doc);
        EXPECT_EQ(Dump(s.grid), *c.after ? c.after : before);
        ASSERT_EQ(s.prompt.messages.size(), 1u);
        EXPECT_EQ(s.prompt.messages.back().text.toStdString(), c.told);
        EXPECT_EQ(s.doc.IsModified(), *c.after != '\0');
        if (*c.after) {
            ASSERT_TRUE(s.doc.Undo());
            EXPECT_EQ(Dump(s.grid), before);
        }
    }
}

} // namespace
