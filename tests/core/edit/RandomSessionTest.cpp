#include "edit/GridCommands.h"
#include "edit/RangeCommands.h"
#include "edit/SortCommand.h"

#include "TestDoubles.h"

#include <gtest/gtest.h>

#include <random>

namespace {

using namespace GridCommands;

// The document driven as the view drives it: the cursor moves and
// stretches, edits below the list append rows and are stored or dropped,
// ranges are pasted, emptied and deleted, rows sorted and moved, and steps
// undone and redone at random. No step may ever find the list changed
// under it, and undoing everything gives back the list as it was.
TEST(RandomSessionTest, EveryStepUndoesAndRedoesExactly)
{
    for (const unsigned seed : {1u, 2u, 3u, 4u, 5u, 6u, 7u, 8u}) {
        SCOPED_TRACE("seed " + std::to_string(seed));
        std::mt19937 random(seed);
        const auto pick = [&random](int n) {
            return std::uniform_int_distribution<int>(0, std::max(n, 1) - 1)(random);
        };
        const TempFiles files;
        Session s;
        Fill(s.grid, {"A", "B", "C"}, {{"b", "1"}, {"a"}, {"c", "", "z"}});
        const std::string original = SavedList(s.grid, files);
        for (int step = 0; step < 120; ++step) {
            const int rows = s.grid.GetItemCount();
            const int columns = s.grid.GetColumnCount();
            switch (pick(9)) {
            case 0:
                s.grid.Cursor().SetCurrent(pick(rows), pick(columns));
                break;
            case 1:
                MoveCursor(s.grid, static_cast<Move>(pick(10)), 2, Extend::Range);
                break;
            case 2:
                AppendRowsUpTo(s.doc, rows + pick(3));
                s.grid.Cursor().SetCurrent(s.grid.GetItemCount() - 1, pick(columns));
                if (pick(2) == 0)
                    CommitCell(s.doc, "t" + std::to_string(step));
                else
                    s.doc.DropRowsAppendedForEdit();
                break;
            case 3:
                Paste(s.doc, pick(2) == 0 ? "p\tq\nr\n" : "one");
                break;
            case 4:
                EmptyRange(s.doc, pick(2) == 0 ? Emptying::Clear : Emptying::Cut);
                break;
            case 5:
                DeleteRow(s.doc);
                break;
            case 6:
                pick(2) == 0 ? SortByColumn(s.doc, pick(columns), pick(2) == 0)
                             : MoveRow(s.doc, pick(2) == 0 ? RowMove::Up : RowMove::Down);
                break;
            case 7:
                s.doc.Undo();
                break;
            default:
                s.doc.Redo();
                break;
            }
        }
        ASSERT_TRUE(s.prompt.messages.empty()) << s.prompt.messages[0].text.toStdString();
        EXPECT_EQ(GridFault(s.grid), "");
        while (s.doc.Redo()) {
        }
        const std::string edited = SavedList(s.grid, files);
        while (s.doc.Undo()) {
        }
        if (s.doc.History().StepCount() == CEditHistory::kMaxSteps)
            continue;
        EXPECT_EQ(SavedList(s.grid, files), original);
        EXPECT_FALSE(s.doc.IsModified());
        while (s.doc.Redo()) {
        }
        EXPECT_EQ(SavedList(s.grid, files), edited);
        EXPECT_TRUE(s.prompt.messages.empty());
    }
}

} // namespace
