#include "edit/ColumnCommands.h"
#include "edit/EditHistory.h"
#include "edit/RowCommands.h"

#include "EditTestSupport.h"
#include "grid/GridListener.h"

#include <gtest/gtest.h>

#include <functional>

namespace {

// Columns A, B, C of widths 70, 130, 90 over two rows (the second one
// stores no cell after its first), cell (1,2) current.
void FillThreeColumns(CGridListCtrl& grid)
{
    Fill(grid, {"A", "B", "C"}, {{"a1", "b1", "c1"}, {"a2"}});
    grid.SetColumnWidth(0, 70);
    grid.SetColumnWidth(1, 130);
    grid.SetColumnWidth(2, 90);
    grid.Cursor().SetCurrent(1, 2);
}

TEST(ColumnCommandsTest, ColumnCommandsApplyAndRevertExactly)
{
    using Make = std::function<std::unique_ptr<CEditCommand>(CGridListCtrl&)>;
    const auto insert = [](int k) {
        return Make([=](CGridListCtrl&) { return std::make_unique<CInsertColumnCommand>(k); });
    };
    const auto remove = [](int k) {
        return Make([=](CGridListCtrl&) { return std::make_unique<CDeleteColumnCommand>(k); });
    };
    struct Case
    {
        const char* what;
        Make make;
        const char* name;
        const char* after; // Shape
    };
    const Case cases[] = {
        {"insert before column 0", insert(0), "Insérer une colonne",
         "Nouvelle colonne|A|B|C\n|a1|b1|c1\n|a2||\nwidths 100 70 130 90"},
        {"insert in the middle", insert(1), "Insérer une colonne",
         "A|Nouvelle colonne|B|C\na1||b1|c1\na2|||\nwidths 70 100 130 90"},
        {"insert at the end", insert(3), "Insérer une colonne",
         "A|B|C|Nouvelle colonne\na1|b1|c1|\na2|||\nwidths 70 130 90 100"},
        {"delete column 0", remove(0), "Supprimer la colonne", "B|C\nb1|c1\n|\nwidths 130 90"},
        {"delete the middle column", remove(1), "Supprimer la colonne",
         "A|C\na1|c1\na2|\nwidths 70 90"},
        {"delete the last column", remove(2), "Supprimer la colonne",
         "A|B\na1|b1\na2|\nwidths 70 130"},
        {"rename to nothing",
         Make([](CGridListCtrl& g) { return std::make_unique<CRenameColumnCommand>(g, 1, ""); }),
         "Renommer la colonne", "A||C\na1|b1|c1\na2||\nwidths 70 130 90"},
        {"reorder", Make([](CGridListCtrl& g) {
             return CReorderColumnsCommand::Create(g, {2, 0, 1});
         }),
         "Déplacer les colonnes", "C|A|B\nc1|a1|b1\n|a2|\nwidths 90 70 130"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        CGridListCtrl grid;
        FillThreeColumns(grid);
        const std::string before = Shape(grid);
        CEditHistory history;
        std::unique_ptr<CEditCommand> command = c.make(grid);
        ASSERT_TRUE(command);
        EXPECT_EQ(command->Name().toStdString(), c.name);
        history.Push(std::move(command), grid);
        EXPECT_EQ(Shape(grid), c.after);
        // Column commands leave the current cell's numbers alone.
        EXPECT_EQ(Focus(grid), "cur 1,2");
        for (int round = 0; round < 2; ++round) {
            history.Undo(grid);
            EXPECT_EQ(Shape(grid), before);
            EXPECT_EQ(GridFault(grid), "");
            history.Redo(grid);
            EXPECT_EQ(Shape(grid), c.after);
        }
    }
}

TEST(ColumnCommandsTest, ThreeColumnsReorderedAndBack)
{
    CGridListCtrl grid;
    Fill(grid, {"one", "two", "three"}, {{"1", "2", "3"}, {"", "", "x"}});
    grid.SetColumnWidth(2, 40);
    CEditHistory history;
    history.Push(CReorderColumnsCommand::Create(grid, {1, 2, 0}), grid);
    EXPECT_EQ(Shape(grid), "two|three|one\n2|3|1\n|x|\nwidths 100 40 100");
    history.Undo(grid);
    EXPECT_EQ(Shape(grid), "one|two|three\n1|2|3\n||x\nwidths 100 100 40");
}

TEST(ColumnCommandsTest, OnlyTrueReordersAreBuilt)
{
    CGridListCtrl grid;
    FillThreeColumns(grid);
    const std::vector<int> refused[] = {{0, 1, 2}, {0, 1}, {0, 0, 1}, {1, 2, 3}, {}};
    for (const std::vector<int>& order : refused)
        EXPECT_EQ(CReorderColumnsCommand::Create(grid, order), nullptr);
}

// A deleted column costs its own cells, not the table's.
TEST(ColumnCommandsTest, DeletedColumnKeepsOnlyItsCells)
{
    CGridListCtrl grid;
    const std::string wide(1000, 'w');
    Fill(grid, {"A", "B"}, {{"a", wide}, {"b", wide}, {"c", wide}});
    CDeleteColumnCommand command(0);
    command.Apply(grid);
    EXPECT_LT(command.Cost(), wide.size());
    EXPECT_GE(command.Cost(), std::string("a\tb\tc").size());
}

// A position beyond the list is taken as its end or refused, and undoing
// gives back the list it was.
TEST(ColumnCommandsTest, PositionsPastTheEndUndoToTheSameList)
{
    struct Case
    {
        const char* what;
        std::function<std::unique_ptr<CEditCommand>()> make;
        const char* after;
    };
    const Case cases[] = {
        {"insert a row past the end", [] { return std::make_unique<CInsertRowCommand>(9); },
         "A|B|C\na1|b1|c1\na2||\n||"},
        {"insert a column past the end", [] { return std::make_unique<CInsertColumnCommand>(9); },
         "A|B|C|Nouvelle colonne\na1|b1|c1|\na2|||"},
        {"delete a row past the end",
         [] {
             CGridListCtrl other;
             return std::make_unique<CDeleteRowCommand>(other, 2);
         },
         "A|B|C\na1|b1|c1\na2||"},
        {"delete the column past the last",
         [] { return std::make_unique<CDeleteColumnCommand>(3); }, "A|B|C\na1|b1|c1\na2||"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        CGridListCtrl grid;
        FillThreeColumns(grid);
        const std::string before = Shape(grid);
        CEditHistory history;
        history.Push(c.make(), grid);
        EXPECT_EQ(Dump(grid), c.after);
        history.Undo(grid);
        EXPECT_EQ(Shape(grid), before);
    }
}

class ResetCounter : public IGridListener
{
public:
    int resets = 0;
    int other = 0;
    void Reset() override { ++resets; }
    void RowsAboutToBeInserted(int, int) override { ++other; }
    void RowsAboutToBeRemoved(int, int) override { ++other; }
    void CellChanged(int, int) override { ++other; }
};

TEST(ColumnCommandsTest, ColumnMovedWithItsCellsIsHeardAsOneReset)
{
    CGridListCtrl grid;
    Fill(grid, {"A", "B"}, std::vector<std::vector<std::string>>(50, {"a", "b"}));
    ResetCounter listener;
    grid.SetListener(&listener);
    CEditHistory history;
    history.Push(std::make_unique<CDeleteColumnCommand>(0), grid);
    history.Undo(grid);
    EXPECT_EQ(listener.resets, 2);
    EXPECT_EQ(listener.other, 0);
}

} // namespace
