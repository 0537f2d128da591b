#include "edit/RangeCommands.h"
#include "edit/GridCommands.h"

#include "EditTestSupport.h"

#include <gtest/gtest.h>

#include <functional>

namespace {

using namespace GridCommands;

// Three rows under columns A, B and C, the range given selected.
void Start(Session& s, CellRange range)
{
    Fill(s.grid, {"A", "B", "C"}, {{"a0", "b0", "c0"}, {"a1", "b1", "c1"}, {"a2", "b2"}});
    s.grid.Cursor().SetCurrent(range.bottom, range.right);
    s.grid.Cursor().ExtendTo(range.top, range.left);
}

std::string RangeOf(const CGridListCtrl& grid)
{
    const CellRange r = grid.Cursor().Range();
    return std::to_string(r.top) + "," + std::to_string(r.left) + "-" + std::to_string(r.bottom) +
           "," + std::to_string(r.right);
}

// Each change to a range is one step: it undoes to the list as it was and
// redoes to the same list, the changed range selected each time.
TEST(RangeCommandsTest, RangeChangesAreOneStepEach)
{
    struct Case
    {
        const char* what;
        CellRange range;
        std::function<void(CTablewrightDoc&)> run;
        const char* step;
        const char* after;
        const char* rangeAfter;
    };
    const Case cases[] = {
        {"delete empties the range",
         {0, 1, 1, 2},
         [](auto& d) { EmptyRange(d, Emptying::Clear); },
         "Effacer les cellules",
         "A|B|C\na0||\na1||\na2|b2|",
         "0,1-1,2"},
        {"cut empties it too",
         {1, 0, 2, 0},
         [](auto& d) { EmptyRange(d, Emptying::Cut); },
         "Couper les cellules",
         "A|B|C\na0|b0|c0\n|b1|c1\n|b2|",
         "1,0-2,0"},
        {"ctrl+enter fills the range",
         {1, 1, 2, 2},
         [](auto& d) { FillRange(d, "x\ty", Filling::Edit); },
         "Remplir les cellules",
         "A|B|C\na0|b0|c0\na1|x y|x y\na2|x y|x y",
         "1,1-2,2"},
        {"one text pasted fills the range",
         {0, 0, 0, 2},
         [](auto& d) { Paste(d, "p"); },
         "Coller les cellules",
         "A|B|C\np|p|p\na1|b1|c1\na2|b2|",
         "0,0-0,2"},
        {"a block lands on the range's top left",
         {1, 1, 2, 2},
         [](auto& d) { Paste(d, "x\ty\n\"q\tr\"\n"); },
         "Coller les cellules",
         "A|B|C\na0|b0|c0\na1|x|y\na2|q r|",
         "1,1-2,2"},
        {"an HTML table wins over its plain text, which splits a cell and drops quotes",
         {1, 1, 1, 1},
         [](auto& d) {
             Paste(d, "\"Bonjour\" dit-il\tDeux\nlignes\n",
                   "<table><tr><td>\"Bonjour\" dit-il</td><td>Deux<br>lignes</td></tr></table>");
         },
         "Coller les cellules",
         "A|B|C\na0|b0|c0\na1|\"Bonjour\" dit-il|Deux lignes\na2|b2|",
         "1,1-1,2"},
        {"a table spanning a cell over the empty cells beyond the text's keeps the text's width",
         {1, 1, 1, 1},
         [](auto& d) {
             Paste(d, "deux\nlignes\tz\n",
                   "<table><tr><td>deux<br>\nlignes</td><td colspan=2>z</td>"
                   "</tr><tr><td>y</td><td></td><td></td></tr></table>");
         },
         "Coller les cellules",
         "A|B|C\na0|b0|c0\na1|deux lignes|z\na2|y|",
         "1,1-2,2"},
        {"a block grows the list",
         {2, 1, 2, 1},
         [](auto& d) { Paste(d, "1\t2\t3\n4\n5\t\t6\n"); },
         "Coller les cellules",
         "A|B|C|Nouvelle colonne\na0|b0|c0|\na1|b1|c1|\na2|1|2|3\n|4||\n|5||6",
         "2,1-4,3"},
        {"delete row deletes every row of the range",
         {0, 1, 1, 1},
         [](auto& d) { DeleteRow(d); },
         "Supprimer les lignes",
         "A|B|C\na2|b2|",
         "0,0-0,0"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        Session s;
        Start(s, c.range);
        const std::string before = Shape(s.grid);
        c.run(s.doc);
        EXPECT_EQ(Dump(s.grid), c.after);
        EXPECT_EQ(RangeOf(s.grid), c.rangeAfter);
        EXPECT_EQ(s.doc.History().StepCount(), 1u);
        EXPECT_EQ(s.doc.History().UndoName().toStdString(), c.step);
        ASSERT_TRUE(s.doc.Undo());
        EXPECT_EQ(Shape(s.grid), before);
        EXPECT_FALSE(s.doc.IsModified());
        ASSERT_TRUE(s.doc.Redo());
        EXPECT_EQ(Dump(s.grid), c.after);
        EXPECT_EQ(RangeOf(s.grid), c.rangeAfter);
        EXPECT_EQ(GridFault(s.grid), "");
    }
}

// One cell keeps the single-cell commands: their step names, and a text
// copied from one spreadsheet cell loses its line end.
TEST(RangeCommandsTest, OneCellKeepsTheCellCommands)
{
    struct Case
    {
        const char* what;
        std::function<void(CTablewrightDoc&)> run;
        const char* step;
        const char* cell;
    };
    const Case cases[] = {
        {"delete", [](auto& d) { EmptyRange(d, Emptying::Clear); }, "Effacer la cellule", ""},
        {"a block of one row", [](auto& d) { EXPECT_EQ(Paste(d, "z\ty"), std::nullopt); },
         "Coller les cellules", "z"},
        {"paste one spreadsheet cell", [](auto& d) { EXPECT_EQ(Paste(d, "\"z\"\"\"\r\n"), "z\""); },
         "Coller dans la cellule", "z\""},
        {"paste a plain text", [](auto& d) { EXPECT_EQ(Paste(d, "z z"), "z z"); },
         "Coller dans la cellule", "z z"},
        {"paste a table of one cell",
         [](auto& d) { EXPECT_EQ(Paste(d, "z\n", "<table><td>z\n z</table>"), "z z"); },
         "Coller dans la cellule", "z z"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        Session s;
        Start(s, {1, 1, 1, 1});
        c.run(s.doc);
        EXPECT_EQ(s.doc.History().UndoName().toStdString(), c.step);
        EXPECT_EQ(s.grid.GetItemText(1, 1), c.cell);
    }
}

// A block that holds what its cells hold already changes nothing: no step,
// so the step to redo stays; its cells still become the range, and the
// list is marked changed as for every command.
TEST(RangeCommandsTest, ABlockThatChangesNothingMakesNoStep)
{
    const struct
    {
        const char* what;
        CellRange at;
        const char* block;
        const char* range;
    } cases[] = {
        {"a row's cells", {0, 0, 0, 0}, "a0\tb0", "0,0-0,1"},
        {"an empty cell at the row's end", {2, 1, 2, 1}, "b2\t", "2,1-2,2"},
        {"two rows", {1, 0, 1, 0}, "a1\na2\n", "1,0-2,0"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        Session s;
        Start(s, c.at);
        EmptyRange(s.doc, Emptying::Clear);
        ASSERT_TRUE(s.doc.Undo());
        const std::string before = Dump(s.grid);
        Paste(s.doc, c.block);
        EXPECT_EQ(Dump(s.grid), before);
        EXPECT_TRUE(s.doc.IsModified());
        EXPECT_FALSE(s.doc.History().CanUndo());
        EXPECT_TRUE(s.doc.History().CanRedo());
        EXPECT_EQ(RangeOf(s.grid), c.range);
    }
}

TEST(RangeCommandsTest, ABlockFillsAListWithoutRowsFromItsFirstCell)
{
    for (const int columns : {0, 2}) {
        SCOPED_TRACE(columns);
        Session s;
        Fill(s.grid, std::vector<std::string>(columns, "A"), {});
        Paste(s.doc, "x\ty\tz\n1\n");
        EXPECT_EQ(Dump(s.grid), columns == 0
                                    ? "Nouvelle colonne|Nouvelle colonne|Nouvelle colonne\n"
                                      "x|y|z\n1||"
                                    : "A|A|Nouvelle colonne\nx|y|z\n1||");
        ASSERT_TRUE(s.doc.Undo());
        EXPECT_EQ(s.grid.GetItemCount(), 0);
        EXPECT_EQ(s.grid.GetColumnCount(), columns);
    }
}

TEST(RangeCommandsTest, CopyGivesTheRangeAsSpreadsheetsReadIt)
{
    Session s;
    Start(s, {1, 1, 2, 2});
    EXPECT_EQ(RangeText(s.grid), "b1\tc1\nb2\t\n");
    s.grid.Cursor().SetCurrent(0, 2);
    EXPECT_EQ(RangeText(s.grid), "c0\n");
}

} // namespace
