#include "edit/CellCommands.h"
#include "edit/CommandSequence.h"
#include "edit/EditHistory.h"
#include "edit/RowCommands.h"

#include "EditTestSupport.h"

#include <gtest/gtest.h>

#include <functional>

namespace {

using MakeCommand = std::function<std::unique_ptr<CEditCommand>(CGridListCtrl&)>;

struct Case
{
    const char* what;
    MakeCommand make;
    const char* name;
    const char* after;
    const char* focusAfter;
    const char* focusUndone;
};

// Three rows a, b, c under columns x and y; cell (1,1) current.
void FillThreeRows(CGridListCtrl& grid)
{
    Fill(grid, {"x", "y"}, {{"a", "1"}, {"", "2"}, {"c"}});
    grid.Cursor().SetCurrent(1, 1);
}

// Pushes the command, undoes and redoes it, checking the list and the
// focus at each stage.
void Check(const Case& c)
{
    SCOPED_TRACE(c.what);
    CGridListCtrl grid;
    FillThreeRows(grid);
    const std::string before = Shape(grid);
    CEditHistory history;
    std::unique_ptr<CEditCommand> command = c.make(grid);
    ASSERT_TRUE(command);
    EXPECT_EQ(command->Name().toStdString(), c.name);
    ASSERT_TRUE(history.Push(std::move(command), grid));
    EXPECT_EQ(Dump(grid), c.after);
    EXPECT_EQ(Focus(grid), c.focusAfter);
    ASSERT_EQ(history.Undo(grid), CEditHistory::Outcome::Done);
    EXPECT_EQ(Shape(grid), before);
    EXPECT_EQ(Focus(grid), c.focusUndone);
    ASSERT_EQ(history.Redo(grid), CEditHistory::Outcome::Done);
    EXPECT_EQ(Dump(grid), c.after);
    EXPECT_EQ(Focus(grid), c.focusAfter);
    EXPECT_EQ(GridFault(grid), "");
}

TEST(RowAndCellCommandsTest, CellCommandsApplyAndRevertExactly)
{
    const auto appendTwoRows = [](CGridListCtrl& grid) -> std::unique_ptr<CEditCommand> {
        grid.AppendEmptyRows(2);
        std::vector<std::unique_ptr<CEditCommand>> steps;
        steps.push_back(
            std::make_unique<CAppendRowsCommand>(3, 2, CAppendRowsCommand::Rows::AppendedAlready));
        steps.push_back(std::make_unique<CSetCellCommand>(grid, 4, 1, "z"));
        return std::make_unique<CCommandSequence>(std::move(steps), "Modifier la cellule");
    };
    const Case cases[] = {
        {"modify", [](CGridListCtrl& g) { return std::make_unique<CSetCellCommand>(g, 2, 1, "n"); },
         "Modifier la cellule", "x|y\na|1\n|2\nc|n", "cur 2,1", "cur 2,1"},
        {"breaks become spaces",
         [](CGridListCtrl& g) { return std::make_unique<CSetCellCommand>(g, 0, 0, "p\tq\r\nr"); },
         "Modifier la cellule", "x|y\np q r|1\n|2\nc|", "cur 0,0", "cur 0,0"},
        {"clear", [](CGridListCtrl& g) { return CSetCellCommand::Clear(g, 0, 0); },
         "Effacer la cellule", "x|y\n|1\n|2\nc|", "cur 0,0", "cur 0,0"},
        {"rows appended for the edit", appendTwoRows, "Modifier la cellule",
         "x|y\na|1\n|2\nc|\n|\n|z", "cur 4,1", "cur 2,1"},
    };
    for (const Case& c : cases)
        Check(c);
}

TEST(RowAndCellCommandsTest, RowCommandsApplyAndRevertExactly)
{
    const auto make = [](auto factory) { return MakeCommand(factory); };
    const auto move = [](int from, int to) {
        return MakeCommand([=](CGridListCtrl& g) { return CMoveRowCommand::Create(g, from, to); });
    };
    const Case cases[] = {
        {"insert at the top",
         make([](CGridListCtrl&) { return std::make_unique<CInsertRowCommand>(0); }),
         "Insérer une ligne", "x|y\n|\na|1\n|2\nc|", "cur 0,0", "cur 0,0"},
        {"insert at the end",
         make([](CGridListCtrl&) { return std::make_unique<CInsertRowCommand>(3); }),
         "Insérer une ligne", "x|y\na|1\n|2\nc|\n|", "cur 3,0", "cur 2,0"},
        {"delete a row with an empty first cell",
         make([](CGridListCtrl& g) { return std::make_unique<CDeleteRowCommand>(g, 1); }),
         "Supprimer la ligne", "x|y\na|1\nc|", "cur 1,0", "cur 1,0"},
        {"delete two rows",
         make([](CGridListCtrl& g) { return std::make_unique<CDeleteRowCommand>(g, 0, 2); }),
         "Supprimer les lignes", "x|y\nc|", "cur 0,0", "cur 0,0"},
        {"delete the last row",
         make([](CGridListCtrl& g) { return std::make_unique<CDeleteRowCommand>(g, 2); }),
         "Supprimer la ligne", "x|y\na|1\n|2", "cur 1,0", "cur 2,0"},
        {"move the first row down", move(0, 2), "Déplacer la ligne", "x|y\n|2\na|1\nc|", "cur 1,1",
         "cur 0,1"},
        {"move the last row up", move(2, 1), "Déplacer la ligne", "x|y\na|1\nc|\n|2", "cur 1,1",
         "cur 2,1"},
        {"move the next-to-last row to the end", move(1, 3), "Déplacer la ligne",
         "x|y\na|1\nc|\n|2", "cur 2,1", "cur 1,1"},
        {"move the second row to the top", move(1, 0), "Déplacer la ligne", "x|y\n|2\na|1\nc|",
         "cur 0,1", "cur 1,1"},
    };
    for (const Case& c : cases)
        Check(c);
}

TEST(RowAndCellCommandsTest, MovesThatChangeNothingAreNotBuilt)
{
    CGridListCtrl grid;
    FillThreeRows(grid);
    const std::pair<int, int> refused[] = {{0, -1}, {2, 4}, {1, 2}, {1, 1}, {3, 1}, {-1, 0}};
    for (const auto& [from, to] : refused)
        EXPECT_EQ(CMoveRowCommand::Create(grid, from, to), nullptr) << from << " to " << to;
}

TEST(RowAndCellCommandsTest, AnEditThatChangesNothingSaysSo)
{
    CGridListCtrl grid;
    FillThreeRows(grid);
    EXPECT_TRUE(CSetCellCommand(grid, 0, 1, "1").ChangesNothing());
    EXPECT_FALSE(CSetCellCommand(grid, 0, 1, "2").ChangesNothing());
}

} // namespace
