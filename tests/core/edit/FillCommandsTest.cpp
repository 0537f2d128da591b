#include "edit/FillCommands.h"

#include "EditTestSupport.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

using namespace GridCommands;

constexpr auto kDown = FillDirection::Down;
constexpr auto kRight = FillDirection::Right;
constexpr const char* kBefore = "A|B|C\na0|b0|c0\na1|b1|c1\na2|b2|\na3|a3|c3";

// What each fill leaves, the step it makes (none at an edge or when no text
// changes) and whether the list is marked changed; a fill undoes to the
// list as it was. shown: the rows a filter shows, none for no filter.
TEST(FillCommandsTest, FillsCopyTheRangesEdgeAsOneStep)
{
    struct Case
    {
        const char* what;
        std::vector<int> shown;
        CellRange range;
        FillDirection direction;
        const char* after;
        const char* step;
        bool modified;
    };
    // clang-format off
    const Case cases[] = {
        {"down, within the range's columns", {}, {0, 0, 2, 1}, kDown,
         "A|B|C\na0|b0|c0\na0|b0|c1\na0|b0|\na3|a3|c3", "Recopier vers le bas", true},
        {"right", {}, {1, 0, 2, 2}, kRight,
         "A|B|C\na0|b0|c0\na1|a1|a1\na2|a2|a2\na3|a3|c3", "Recopier à droite", true},
        {"one row, from the row above", {}, {1, 1, 1, 2}, kDown,
         "A|B|C\na0|b0|c0\na1|b0|c0\na2|b2|\na3|a3|c3", "Recopier vers le bas", true},
        {"one cell, from the column to the left", {}, {2, 1, 2, 1}, kRight,
         "A|B|C\na0|b0|c0\na1|b1|c1\na2|a2|\na3|a3|c3", "Recopier à droite", true},
        {"nothing above the top row", {}, {0, 1, 0, 2}, kDown, kBefore, nullptr, false},
        {"nothing left of the first column", {}, {1, 0, 3, 0}, kRight, kBefore, nullptr, false},
        {"no text changes", {}, {3, 0, 3, 1}, kRight, kBefore, nullptr, true},
        {"a hidden row in the range stays", {0, 2, 3}, {0, 0, 3, 0}, kDown,
         "A|B|C\na0|b0|c0\na1|b1|c1\na0|b2|\na0|a3|c3", "Recopier vers le bas", true},
        {"one row, from the row shown above", {0, 2, 3}, {2, 1, 2, 1}, kDown,
         "A|B|C\na0|b0|c0\na1|b1|c1\na2|b0|\na3|a3|c3", "Recopier vers le bas", true},
    };
    // clang-format on
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        Session s;
        Fill(s.grid, {"A", "B", "C"},
             {{"a0", "b0", "c0"}, {"a1", "b1", "c1"}, {"a2", "b2"}, {"a3", "a3", "c3"}});
        if (!c.shown.empty())
            s.grid.FilterRows(c.shown);
        s.grid.Cursor().SelectRange(c.range);
        FillFromEdge(s.doc, c.direction);
        EXPECT_EQ(Dump(s.grid), c.after);
        EXPECT_EQ(s.doc.IsModified(), c.modified);
        EXPECT_EQ(s.doc.History().StepCount(), c.step ? 1u : 0u);
        if (!c.step)
            continue;
        EXPECT_EQ(s.doc.History().UndoName().toStdString(), c.step);
        EXPECT_EQ(s.grid.Cursor().Range(), c.range);
        ASSERT_TRUE(s.doc.Undo());
        EXPECT_EQ(Dump(s.grid), kBefore);
    }
}

} // namespace
