#include "edit/SortCommand.h"
#include "edit/EditHistory.h"
#include "edit/GridCommands.h"

#include "EditTestSupport.h"

#include <gtest/gtest.h>

namespace {

using Rows = std::vector<std::vector<std::string>>;

const std::vector<std::string> kNames = {"Nom", "Ville"};
const Rows kRows = {{"b", "Lyon"}, {"A", "Albi"}, {"c"}, {"a", "Paris"}};

TEST(SortCommandTest, UndoAndRedoGiveBackTheExactRows)
{
    struct Case
    {
        int column;
        bool ascending;
        const char* after;
    };
    const Case cases[] = {
        {0, true, "Nom|Ville\na|Paris\nA|Albi\nb|Lyon\nc|\nwidths 100 70"},
        {0, false, "Nom|Ville\nc|\nb|Lyon\nA|Albi\na|Paris\nwidths 100 70"},
        {1, true, "Nom|Ville\nc|\nA|Albi\nb|Lyon\na|Paris\nwidths 100 70"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.after);
        CGridListCtrl grid;
        Fill(grid, kNames, kRows);
        grid.SetColumnWidth(1, 70);
        grid.Cursor().SetCurrent(1, 1);
        const std::string before = Shape(grid);
        std::unique_ptr<CEditCommand> command =
            CSortRowsCommand::Create(grid, c.column, c.ascending);
        ASSERT_TRUE(command);
        EXPECT_EQ(command->Name().toStdString(), "Trier les lignes");
        EXPECT_GE(command->Cost(), kRows.size() * sizeof(int));
        CEditHistory history;
        history.Push(std::move(command), grid);
        for (int round = 0; round < 2; ++round) {
            EXPECT_EQ(Shape(grid), c.after);
            EXPECT_EQ(Focus(grid), "cur 1,1");
            ASSERT_EQ(history.Undo(grid), CEditHistory::Outcome::Done);
            EXPECT_EQ(Shape(grid), before);
            EXPECT_EQ(Focus(grid), "cur 1,1");
            ASSERT_EQ(history.Redo(grid), CEditHistory::Outcome::Done);
        }
    }
}

TEST(SortCommandTest, NoCommandWhenNoRowWouldMove)
{
    struct Case
    {
        const char* what;
        Rows rows;
        int column;
        bool ascending;
    };
    const Case cases[] = {
        {"already in order", {{"a"}, {"B"}, {"c"}}, 0, true},
        {"already in reverse order", {{"c"}, {"B"}, {"a"}}, 0, false},
        {"keys equal but for case", {{"abc"}, {"ABC"}, {"Abc"}}, 0, true},
        {"an empty column", {{"b"}, {"a"}}, 1, true},
        {"one row", {{"b"}}, 0, true},
        {"no row", {}, 0, true},
        {"no such column", {{"b"}, {"a"}}, 2, true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        CGridListCtrl grid;
        Fill(grid, kNames, c.rows);
        EXPECT_EQ(CSortRowsCommand::Create(grid, c.column, c.ascending), nullptr);
    }
}

// Through the document: a sort is one step, and the list is marked changed
// even when no row moves, as a header click always has.
TEST(SortCommandTest, SortingTheDocument)
{
    struct Case
    {
        const char* what;
        int column;
        bool ascending;
        const char* after;
        bool step;
    };
    const Case cases[] = {
        {"rows move", 0, true, "Nom|Ville\na|Paris\nA|Albi\nb|Lyon\nc|", true},
        {"no row moves", 1, false, "Nom|Ville\na|Paris\nb|Lyon\nA|Albi\nc|", false},
        {"no such column", 5, true, "Nom|Ville\na|Paris\nb|Lyon\nA|Albi\nc|", false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        Session s;
        TempFiles files;
        Fill(s.grid, kNames, {{"a", "Paris"}, {"b", "Lyon"}, {"A", "Albi"}, {"c"}});
        const std::string before = Dump(s.grid);
        ASSERT_TRUE(s.doc.DoSave(files.Path("l.tbw")));
        ASSERT_FALSE(s.doc.IsModified());
        GridCommands::SortByColumn(s.doc, c.column, c.ascending);
        EXPECT_EQ(Dump(s.grid), c.after);
        EXPECT_TRUE(s.doc.IsModified());
        EXPECT_EQ(s.doc.History().CanUndo(), c.step);
        if (!c.step)
            continue;
        EXPECT_EQ(s.doc.History().UndoName(), "Trier les lignes");
        ASSERT_TRUE(s.doc.Undo());
        EXPECT_EQ(Dump(s.grid), before);
        EXPECT_FALSE(s.doc.IsModified());
        ASSERT_TRUE(s.doc.Redo());
        EXPECT_EQ(Dump(s.grid), c.after);
        EXPECT_TRUE(s.doc.IsModified());
    }
}

// The empty rows at the end of the list, and under a filter those at the
// end of the rows shown, are kept for typing: a header click leaves them
// where they are. An empty row among the others sorts as any row.
TEST(SortCommandTest, TheTypingRowsStayAtTheEnd)
{
    struct Case
    {
        const char* what;
        Rows rows;
        std::vector<int> shown; // every row when empty
        bool ascending;
        const char* after;
    };
    const Case cases[] = {
        {"ascending", {{"b"}, {}, {"a"}, {}, {}}, {}, true, "Nom\n\na\nb\n\n"},
        {"descending", {{"b"}, {}, {"a"}, {}, {}}, {}, false, "Nom\nb\na\n\n\n"},
        {"no empty row at the end", {{"b"}, {}, {"a"}}, {}, true, "Nom\n\na\nb"},
        {"only the typing row would move", {{"a"}, {"b"}, {}}, {}, true, "Nom\na\nb\n"},
        {"filtered, ascending", {{"b1"}, {"a1"}, {}, {"x"}}, {0, 1, 2}, true, "Nom\na1\nb1\n\nx"},
        {"filtered, descending", {{"b1"}, {"a1"}, {}, {"x"}}, {0, 1, 2}, false, "Nom\nx\nb1\n\na1"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        Session s;
        Fill(s.grid, {"Nom"}, c.rows);
        if (!c.shown.empty())
            s.grid.FilterRows(c.shown);
        const std::string before = Dump(s.grid);
        GridCommands::SortByColumn(s.doc, 0, c.ascending);
        EXPECT_EQ(Dump(s.grid), c.after);
        const bool moved = before != c.after;
        EXPECT_EQ(s.doc.History().StepCount(), moved ? 1u : 0u);
        EXPECT_TRUE(s.doc.IsModified());
        if (moved) {
            ASSERT_TRUE(s.doc.Undo());
            EXPECT_EQ(Dump(s.grid), before);
        }
    }
}

} // namespace
