#include "edit/FillCommands.h"

#include "EditTestSupport.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

using namespace GridCommands;

constexpr auto kDown = FillDirection::Down;
constexpr auto kRight = FillDirection::Right;
constexpr const char* kBefore = "A|B|C\na0|b0|c0\na1|b1|c1\na2|b2|\na3|a3|c3";

// Each fill: what the list becomes (as it was when nothing changes), the
// step it makes, if any, and whether the list is marked changed. The range
// runs from (top, left) to (bottom, right); rows lists the rows a filter
// shows, none for no filter.
TEST(FillCommandsTest, FillsCopyTheRangesEdgeAsOneStep)
{
    struct Case
    {
        const char* what;
        std::vector<int> rows;
        CellRange range;
        FillDirection direction;
        const char* after;
        const char* step;
        bool modified;
    };
    const Case cases[] = {
        {"down copies the top row into the others, within the range's columns",
         {},
         {0, 0, 2, 1},
         kDown,
         "A|B|C\na0|b0|c0\na0|b0|c1\na0|b0|\na3|a3|c3",
         "Recopier vers le bas",
         true},
        {"right copies the left column into the others",
         {},
         {1, 0, 2, 2},
         kRight,
         "A|B|C\na0|b0|c0\na1|a1|a1\na2|a2|a2\na3|a3|c3",
         "Recopier à droite",
         true},
        {"one row copies from the row above",
         {},
         {1, 1, 1, 2},
         kDown,
         "A|B|C\na0|b0|c0\na1|b0|c0\na2|b2|\na3|a3|c3",
         "Recopier vers le bas",
         true},
        {"one cell copies from the column to the left",
         {},
         {2, 1, 2, 1},
         kRight,
         "A|B|C\na0|b0|c0\na1|b1|c1\na2|a2|\na3|a3|c3",
         "Recopier à droite",
         true},
        {"the top row has nothing above it", {}, {0, 1, 0, 2}, kDown, kBefore, nullptr, false},
        {"the first column has nothing to its left",
         {},
         {1, 0, 3, 0},
         kRight,
         kBefore,
         nullptr,
         false},
        {"a fill that changes no text makes no step",
         {},
         {3, 0, 3, 1},
         kRight,
         kBefore,
         nullptr,
         true},
        {"under a filter a hidden row inside the range stays",
         {0, 2, 3},
         {0, 0, 3, 0},
         kDown,
         "A|B|C\na0|b0|c0\na1|b1|c1\na0|b2|\na0|a3|c3",
         "Recopier vers le bas",
         true},
        {"under a filter one row copies from the row shown above",
         {0, 2, 3},
         {2, 1, 2, 1},
         kDown,
         "A|B|C\na0|b0|c0\na1|b1|c1\na2|b0|\na3|a3|c3",
         "Recopier vers le bas",
         true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        Session s;
        Fill(s.grid, {"A", "B", "C"},
             {{"a0", "b0", "c0"}, {"a1", "b1", "c1"}, {"a2", "b2"}, {"a3", "a3", "c3"}});
        if (!c.rows.empty())
            s.grid.FilterRows(c.rows);
        s.grid.Cursor().SelectRange(c.range);
        FillFromEdge(s.doc, c.direction);
        EXPECT_EQ(Dump(s.grid), c.after);
        EXPECT_EQ(s.doc.IsModified(), c.modified);
        ASSERT_EQ(s.doc.History().CanUndo(), c.step != nullptr);
        if (!c.step)
            continue;
        EXPECT_EQ(s.doc.History().StepCount(), 1u);
        EXPECT_EQ(s.doc.History().UndoName().toStdString(), c.step);
        EXPECT_EQ(s.grid.Cursor().Range(), c.range);
        ASSERT_TRUE(s.doc.Undo());
        EXPECT_EQ(Dump(s.grid), kBefore);
        EXPECT_FALSE(s.doc.IsModified());
        ASSERT_TRUE(s.doc.Redo());
        EXPECT_EQ(Dump(s.grid), c.after);
        EXPECT_EQ(GridFault(s.grid), "");
    }
}

} // namespace
