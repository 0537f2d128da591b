#include "edit/CellCommands.h"
#include "edit/CommandSequence.h"
#include "edit/EditHistory.h"
#include "edit/GridCommands.h"
#include "edit/RowCommands.h"
#include "edit/SortCommand.h"

#include "EditTestSupport.h"

#include <gtest/gtest.h>

#include <functional>

namespace {

using namespace GridCommands;

// Rows appended for an edit and left behind when the edit is dropped used
// to stay in the list outside the history, and later steps then undid or
// redid the wrong rows. Dropping the edit takes them away again, and a step
// taken while they wait takes them away first.
TEST(HistoryExactnessTest, RowsAppendedForADroppedEditNeverUpsetTheSteps)
{
    enum class Drop
    {
        Escape,
        UndoWhileEditing
    };
    for (const Drop drop : {Drop::Escape, Drop::UndoWhileEditing}) {
        SCOPED_TRACE(drop == Drop::Escape ? "escape" : "undo while editing");
        Session s;
        s.doc.OnNewDocument();
        PrepareForDocument(s.grid, false);
        AppendRowsUpTo(s.doc, 1);
        s.grid.Cursor().SetCurrent(1, 0);
        CommitCell(s.doc, "typed");
        AppendRowsUpTo(s.doc, 2);
        s.grid.Cursor().SetCurrent(2, 0);
        if (drop == Drop::Escape)
            s.doc.DropRowsAppendedForEdit();
        EXPECT_EQ(s.grid.GetItemCount(), drop == Drop::Escape ? 2 : 3);
        ASSERT_TRUE(s.doc.Undo());
        EXPECT_EQ(s.grid.GetItemCount(), 0);
        ASSERT_TRUE(s.doc.Redo());
        EXPECT_EQ(Dump(s.grid), "A|B|C|D\n|||\ntyped|||");
        EXPECT_TRUE(s.doc.IsModified());
        EXPECT_TRUE(s.prompt.messages.empty());
    }
}

// A sort undone or redone on a list whose rows are not the ones it sorted
// used to do nothing without a word, and the next steps then wrote into the
// wrong rows.
TEST(HistoryExactnessTest, AStepThatCannotApplyExactlyIsToldAndChangesNothing)
{
    Session s;
    Fill(s.grid, {"Nom"}, {{"b"}, {"a"}, {"c"}});
    SortByColumn(s.doc, 0, true);
    s.grid.Cursor().SetCurrent(1, 0);
    CommitCell(s.doc, "X");
    ASSERT_TRUE(s.doc.Undo());
    ASSERT_TRUE(s.doc.Undo());
    AppendRowsUpTo(s.doc, 3);
    s.grid.Cursor().SetCurrent(3, 0);
    s.doc.DropRowsAppendedForEdit();
    ASSERT_TRUE(s.doc.Redo());
    ASSERT_TRUE(s.doc.Redo());
    ASSERT_TRUE(s.doc.Undo());
    ASSERT_TRUE(s.doc.Undo());
    EXPECT_EQ(Dump(s.grid), "Nom\nb\na\nc");

    // The sort's step on a list that has lost a row since.
    ASSERT_TRUE(s.doc.Redo());
    s.grid.DeleteItem(2);
    const std::string shrunk = Dump(s.grid);
    EXPECT_FALSE(s.doc.Undo());
    EXPECT_EQ(Dump(s.grid), shrunk);
    ASSERT_EQ(s.prompt.messages.size(), 1u);
    EXPECT_TRUE(s.prompt.messages[0].text.startsWith("Cette étape ne peut pas être reprise"));
    EXPECT_FALSE(s.doc.History().CanUndo());
    EXPECT_FALSE(s.doc.History().CanRedo());
    EXPECT_TRUE(s.doc.IsModified());
}

// The current cell goes with a moved row, at the move and at its redo.
TEST(HistoryExactnessTest, MoveRowRedoLeavesTheCursorWhereTheMoveDid)
{
    Session s;
    Fill(s.grid, {"A", "B"}, {{"1"}, {"2"}, {"3"}, {"4"}});
    s.grid.Cursor().SetCurrent(2, 1);
    MoveRow(s.doc, RowMove::Up);
    const std::string moved = Focus(s.grid);
    EXPECT_EQ(moved, "cur 1,1");
    ASSERT_TRUE(s.doc.Undo());
    EXPECT_EQ(Focus(s.grid), "cur 2,1");
    ASSERT_TRUE(s.doc.Redo());
    EXPECT_EQ(Focus(s.grid), moved);
}

// A step of several parts that fails part-way takes back the parts it did:
// the list is as it was before the step, and the history is broken.
TEST(HistoryExactnessTest, AStepThatFailsPartWayTakesBackWhatItDid)
{
    using Make = std::function<std::unique_ptr<CEditCommand>(CGridListCtrl&)>;
    // Two rows appended below the six, then a cell of the second one typed.
    const Make typedBelow = [](CGridListCtrl& g) {
        std::vector<std::unique_ptr<CEditCommand>> steps;
        steps.push_back(std::make_unique<CAppendRowsCommand>(6, 2));
        steps.push_back(std::make_unique<CSetCellCommand>(g, 7, 1, "x"));
        return std::make_unique<CCommandSequence>(std::move(steps));
    };
    const Make scattered = [](CGridListCtrl& g) {
        return std::make_unique<CDeleteRowSetCommand>(g, std::vector<int>{1, 3, 4});
    };
    struct Case
    {
        const char* what;
        const Make& make;
        bool redo; // undone first, the redo fails; else the undo does
        void (*change)(CGridListCtrl&);
    };
    const Case cases[] = {
        {"a sequence undone on a longer list", typedBelow, false,
         [](CGridListCtrl& g) { g.InsertItem(g.GetItemCount(), "z"); }},
        {"a sequence redone without its column", typedBelow, true,
         [](CGridListCtrl& g) { g.DeleteColumn(1); }},
        {"scattered rows undone on a shorter list", scattered, false,
         [](CGridListCtrl& g) { g.TakeRows(0, 2); }},
        {"scattered rows redone on a shorter list", scattered, true,
         [](CGridListCtrl& g) { g.TakeRows(3, 3); }},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        CGridListCtrl grid;
        Fill(grid, {"A", "B"}, {{"a0"}, {"a1"}, {"a2"}, {"a3"}, {"a4"}, {"a5"}});
        CEditHistory history;
        ASSERT_TRUE(history.Push(c.make(grid), grid));
        if (c.redo) {
            ASSERT_EQ(history.Undo(grid), CEditHistory::Outcome::Done);
        }
        c.change(grid);
        const std::string before = Dump(grid);
        EXPECT_EQ(c.redo ? history.Redo(grid) : history.Undo(grid), CEditHistory::Outcome::Broken);
        EXPECT_EQ(Dump(grid), before);
    }
}

} // namespace
