#include "edit/GridCommands.h"

#include "EditTestSupport.h"

#include <gtest/gtest.h>

#include <functional>
#include <vector>

namespace {

TEST(GridCommandsTest, OnlyAListNotReadFromAFileGetsTheDefaultColumns)
{
    for (const bool loaded : {false, true}) {
        CGridListCtrl grid;
        grid.Cursor().SetCurrent(2, 1);
        GridCommands::PrepareForDocument(grid, loaded);
        EXPECT_EQ(Dump(grid), loaded ? "" : "A|B|C|D");
        EXPECT_EQ(grid.Cursor().CurrentRow(), -1);
        EXPECT_EQ(grid.Cursor().CurrentColumn(), -1);
    }
}

TEST(GridCommandsTest, CurrentCellIsShownFromOneAndForgottenWhenGone)
{
    CGridListCtrl grid;
    Fill(grid, {"a", "b"}, {{"1", "2"}});
    EXPECT_EQ(GridCommands::CurrentCellText(grid), "");
    grid.Cursor().SetCurrent(0, 1);
    EXPECT_EQ(GridCommands::CurrentCellText(grid), "Ligne 1, Colonne 2");
    EXPECT_FALSE(GridCommands::ForgetVanishedCurrentCell(grid));
    grid.DeleteColumn(1);
    EXPECT_TRUE(GridCommands::ForgetVanishedCurrentCell(grid));
    EXPECT_EQ(GridCommands::CurrentCellText(grid), "");
}

// What each command leaves: the list, the current cell, the modified flag
// and whether a step can be undone. The cursor starts in column 1 of row.
TEST(GridCommandsTest, RowAndColumnCommands)
{
    using namespace GridCommands;
    struct Case
    {
        const char* name;
        int row;
        std::function<void(CTablewrightDoc&)> run;
        std::string after;
        Cell current;
        bool modified;
        bool step;
    };
    const Case cases[] = {
        {"insert above",
         1,
         [](auto& d) { InsertRow(d, RowPlace::Above); },
         "A|B\n1|x\n|\n2|y\n3|",
         {1, 0},
         true,
         true},
        {"insert below the last row",
         2,
         [](auto& d) { InsertRow(d, RowPlace::Below); },
         "A|B\n1|x\n2|y\n3|\n|",
         {3, 0},
         true,
         true},
        {"insert without a current row",
         -1,
         [](auto& d) { InsertRow(d, RowPlace::Below); },
         "A|B\n1|x\n2|y\n3|",
         {-1, -1},
         false,
         false},
        {"delete a middle row",
         1,
         [](auto& d) { DeleteRow(d); },
         "A|B\n1|x\n3|",
         {1, 0},
         true,
         true},
        {"delete the last row",
         2,
         [](auto& d) { DeleteRow(d); },
         "A|B\n1|x\n2|y",
         {1, 0},
         true,
         true},
        {"move up takes the current cell along",
         2,
         [](auto& d) { MoveRow(d, RowMove::Up); },
         "A|B\n1|x\n3|\n2|y",
         {1, 1},
         true,
         true},
        {"first row up",
         0,
         [](auto& d) { MoveRow(d, RowMove::Up); },
         "A|B\n1|x\n2|y\n3|",
         {0, 1},
         true,
         false},
        {"last row down",
         2,
         [](auto& d) { MoveRow(d, RowMove::Down); },
         "A|B\n1|x\n2|y\n3|",
         {2, 1},
         true,
         false},
        {"rename",
         0,
         [](auto& d) { RenameColumn(d, 1, "Prix\tHT"); },
         "A|Prix HT\n1|x\n2|y\n3|",
         {0, 1},
         true,
         true},
        {"rename to the same name",
         0,
         [](auto& d) { RenameColumn(d, 1, "B"); },
         "A|B\n1|x\n2|y\n3|",
         {0, 1},
         true,
         false},
        {"insert before column 0",
         1,
         [](auto& d) { InsertColumn(d, 0, ColumnPlace::Before); },
         "Nouvelle colonne|A|B\n|1|x\n|2|y\n|3|",
         {1, 1},
         true,
         true},
        {"insert after column 0",
         1,
         [](auto& d) { InsertColumn(d, 0, ColumnPlace::After); },
         "A|Nouvelle colonne|B\n1||x\n2||y\n3||",
         {1, 1},
         true,
         true},
        {"reorder",
         0,
         [](auto& d) {
             ReorderColumns(d, {1, 0});
         },
         "B|A\nx|1\ny|2\n|3",
         {0, 1},
         true,
         true},
        {"a drop where the drag began",
         0,
         [](auto& d) {
             ReorderColumns(d, {0, 1});
         },
         "A|B\n1|x\n2|y\n3|",
         {0, 1},
         true,
         false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        Session s;
        Fill(s.grid, {"A", "B"}, {{"1", "x"}, {"2", "y"}, {"3"}});
        s.grid.Cursor().SetCurrent(c.row, 1);
        c.run(s.doc);
        EXPECT_EQ(Dump(s.grid), c.after);
        EXPECT_EQ(s.grid.Cursor().Current(), c.current);
        EXPECT_EQ(s.doc.IsModified(), c.modified);
        EXPECT_EQ(s.doc.History().CanUndo(), c.step);
    }
}

TEST(GridCommandsTest, DeletingAColumnAsksFirst)
{
    for (const auto answer : {IUserPrompt::Answer::No, IUserPrompt::Answer::Yes}) {
        Session s;
        Fill(s.grid, {"Nom", "Prix"}, {{"a", "1"}});
        s.prompt.answers = {answer};
        const bool yes = answer == IUserPrompt::Answer::Yes;
        EXPECT_EQ(GridCommands::DeleteColumn(s.doc, 1), yes);
        ASSERT_EQ(s.prompt.messages.size(), 1u);
        EXPECT_EQ(s.prompt.messages[0].text, "Colonne d'effacement 'Prix'?");
        EXPECT_EQ(s.prompt.questions, std::vector{IUserPrompt::Question::DeleteColumn});
        EXPECT_EQ(Dump(s.grid), yes ? "Nom\na" : "Nom|Prix\na|1");
        EXPECT_EQ(s.doc.IsModified(), yes);
    }
}

// Rows cannot outlive the last column; undoing brings both back.
TEST(GridCommandsTest, DeletingTheOnlyColumnEmptiesTheRows)
{
    Session s;
    Fill(s.grid, {"Seule"}, {{"a"}, {"b"}});
    s.prompt.answers = {IUserPrompt::Answer::Yes};
    ASSERT_TRUE(GridCommands::DeleteColumn(s.doc, 0));
    EXPECT_EQ(s.grid.GetColumnCount(), 0);
    EXPECT_EQ(s.grid.GetItemCount(), 0);
    EXPECT_EQ(s.doc.History().UndoName(), "Supprimer la colonne");
    ASSERT_TRUE(s.doc.Undo());
    EXPECT_EQ(Dump(s.grid), "Seule\na\nb");
}

// An edit is one step, rows appended for it included; storing the text a
// cell already has marks the list changed but makes no step.
TEST(GridCommandsTest, CommittedCells)
{
    Session s;
    Fill(s.grid, {"A", "B"}, {{"1", "x"}});
    s.grid.Cursor().SetCurrent(0, 1);
    GridCommands::CommitCell(s.doc, "x");
    EXPECT_TRUE(s.doc.IsModified());
    EXPECT_FALSE(s.doc.History().CanUndo());

    GridCommands::AppendRowsUpTo(s.doc, 3);
    s.grid.Cursor().SetCurrent(3, 0);
    GridCommands::CommitCell(s.doc, "a\tb\nc");
    EXPECT_EQ(Dump(s.grid), "A|B\n1|x\n|\n|\na b c|");
    EXPECT_EQ(s.doc.History().UndoName(), "Modifier la cellule");
    ASSERT_TRUE(s.doc.Undo());
    EXPECT_EQ(Dump(s.grid), "A|B\n1|x");

    s.grid.Cursor().SetCurrent(0, s.grid.Cursor().CurrentColumn());
    GridCommands::ClearCurrentCell(s.doc);
    EXPECT_EQ(Dump(s.grid), "A|B\n|x");
    EXPECT_EQ(s.doc.History().UndoName(), "Effacer la cellule");
}

TEST(GridCommandsTest, TabAndArrowTargets)
{
    using namespace GridCommands;
    CGridListCtrl grid;
    Fill(grid, {"a", "b", "c", "d"}, {{}, {}});
    struct Case
    {
        Cell from;
        Cell tab, left, up, right, down;
    };
    const Case cases[] = {
        {{0, 0}, {0, 1}, {0, 0}, {0, 0}, {0, 1}, {1, 0}},
        {{1, 3}, {2, 0}, {1, 2}, {0, 3}, {1, 3}, {1, 3}},
    };
    for (const Case& c : cases) {
        grid.Cursor().SetCurrent(c.from.row, c.from.column);
        EXPECT_EQ(TabTarget(grid), c.tab);
        EXPECT_EQ(ArrowTarget(grid, Arrow::Left), c.left);
        EXPECT_EQ(ArrowTarget(grid, Arrow::Up), c.up);
        EXPECT_EQ(ArrowTarget(grid, Arrow::Right), c.right);
        EXPECT_EQ(ArrowTarget(grid, Arrow::Down), c.down);
    }
}

} // namespace

namespace {

// Cut and paste store like an edit, as one step each; with no current cell
// they store nothing but still mark the list changed. Nothing is cut short.
TEST(GridCommandsTest, ClipboardCommandsOnTheCurrentCell)
{
    const std::string longText(1000, 'z');
    for (const bool hasCell : {true, false}) {
        Session s;
        Fill(s.grid, {"A", "B"}, {{"un", longText}});
        s.grid.Cursor().SetCurrent(hasCell ? 0 : -1, hasCell ? 1 : -1);
        EXPECT_EQ(GridCommands::CurrentCellContent(s.grid), hasCell ? longText : "");
        GridCommands::CutCurrentCell(s.doc);
        EXPECT_TRUE(s.doc.IsModified());
        EXPECT_EQ(Dump(s.grid), hasCell ? "A|B\nun|" : "A|B\nun|" + longText);
        GridCommands::PasteIntoCurrentCell(s.doc, "deux\tlignes\nici " + longText);
        EXPECT_EQ(Dump(s.grid),
                  hasCell ? "A|B\nun|deux lignes ici " + longText : "A|B\nun|" + longText);
        EXPECT_EQ(s.doc.History().StepCount(), hasCell ? 2u : 0u);
        if (hasCell) {
            EXPECT_EQ(s.doc.History().UndoName(), "Coller dans la cellule");
            s.doc.Undo();
            EXPECT_EQ(s.doc.History().UndoName(), "Couper la cellule");
            s.doc.Undo();
            EXPECT_EQ(Dump(s.grid), "A|B\nun|" + longText);
        }
    }
}

// Widths the user gives are one step for every column they change, and no
// step (nor a mark) when they change none.
TEST(GridCommandsTest, ResizedColumnsAreOneStep)
{
    Session s;
    Fill(s.grid, {"A", "B", "C"}, {{"1"}});
    GridCommands::ResizeColumns(s.doc, {100, 100, 100});
    EXPECT_FALSE(s.doc.IsModified());
    EXPECT_FALSE(s.doc.History().CanUndo());
    GridCommands::ResizeColumns(s.doc, {100, 40, 250});
    EXPECT_EQ(Shape(s.grid), "A|B|C\n1||\nwidths 100 40 250");
    EXPECT_EQ(s.doc.History().StepCount(), 1u);
    ASSERT_TRUE(s.doc.Undo());
    EXPECT_EQ(Shape(s.grid), "A|B|C\n1||\nwidths 100 100 100");
    EXPECT_FALSE(s.doc.IsModified());
}

// A range of n rows (counted among those shown) inserts n rows above or
// below it as one step; the first new row becomes current.
TEST(GridCommandsTest, RowsGoInByTheRange)
{
    using namespace GridCommands;
    struct Case
    {
        std::vector<int> shown;
        CellRange range;
        RowPlace place;
        const char* after;
        const char* step;
        int current;
    };
    // clang-format off
    const Case cases[] = {
        {{}, {1, 0, 3, 0}, RowPlace::Above, "A\na0\n\n\n\na1\na2\na3", "Insérer des lignes", 1},
        {{}, {1, 0, 3, 0}, RowPlace::Below, "A\na0\na1\na2\na3\n\n\n", "Insérer des lignes", 4},
        {{}, {1, 0, 1, 0}, RowPlace::Below, "A\na0\na1\n\na2\na3", "Insérer une ligne", 2},
        {{0, 2, 3}, {0, 0, 2, 0}, RowPlace::Below, "A\na0\na1\na2\n\n\na3", "Insérer des lignes", 3},
    };
    // clang-format on
    for (const Case& c : cases) {
        SCOPED_TRACE(c.after);
        Session s;
        Fill(s.grid, {"A"}, {{"a0"}, {"a1"}, {"a2"}, {"a3"}});
        if (!c.shown.empty())
            s.grid.FilterRows(c.shown);
        s.grid.Cursor().SelectRange(c.range);
        InsertRow(s.doc, c.place);
        EXPECT_EQ(Dump(s.grid), c.after);
        EXPECT_EQ(s.grid.Cursor().Current(), (GridCell{c.current, 0}));
        EXPECT_EQ(s.doc.History().UndoName().toStdString(), c.step);
        ASSERT_TRUE(s.doc.Undo());
        EXPECT_EQ(Dump(s.grid), "A\na0\na1\na2\na3");
    }
}

} // namespace
