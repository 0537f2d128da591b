#include "edit/GridCommands.h"
#include "edit/RangeCommands.h"
#include "edit/SearchCommands.h"

#include "EditTestSupport.h"

#include <gtest/gtest.h>

#include <functional>

namespace {

using namespace GridCommands;

// Six rows under A and B, rows 1, 3 and 4 shown, and the range from the
// first cell of row 1 to the last of row 4: hidden rows 2 lies inside it.
void Start(Session& s)
{
    Fill(s.grid, {"A", "B"},
         {{"a0", "b0"}, {"a1", "b1"}, {"a2", "b2"}, {"a3", "b3"}, {"a4", "b4"}, {"a5", "b5"}});
    s.grid.FilterRows({1, 3, 4});
    s.grid.Cursor().SetCurrent(1, 0);
    s.grid.Cursor().ExtendTo(4, 1);
}

} // namespace

// Under a filter a range's commands touch the rows shown only; each is one
// step that undoes and redoes exactly, the filter staying on.
TEST(FilteredCommandsTest, RangeCommandsTouchTheRowsShownOnly)
{
    struct Case
    {
        const char* what;
        std::function<void(CTablewrightDoc&)> run;
        const char* after;
    };
    const Case cases[] = {
        {"delete", [](auto& d) { EmptyRange(d, Emptying::Clear); },
         "A|B\na0|b0\n|\na2|b2\n|\n|\na5|b5"},
        {"ctrl+enter", [](auto& d) { FillRange(d, "x", Filling::Edit); },
         "A|B\na0|b0\nx|x\na2|b2\nx|x\nx|x\na5|b5"},
        {"a block fills the rows shown in order",
         [](auto& d) {
             d.GetGrid().Cursor().SetCurrent(1, 1);
             Paste(d, "p\nq\n");
         },
         "A|B\na0|b0\na1|p\na2|b2\na3|q\na4|b4\na5|b5"},
        {"past the last row shown a block appends rows",
         [](auto& d) {
             d.GetGrid().Cursor().SetCurrent(4, 0);
             Paste(d, "p\tp\nq\tq\n");
         },
         "A|B\na0|b0\na1|b1\na2|b2\na3|b3\np|p\na5|b5\nq|q"},
        {"delete rows", [](auto& d) { DeleteRow(d); }, "A|B\na0|b0\na2|b2\na5|b5"},
        {"replace all",
         [](auto& d) {
             ReplaceAll(d, {"a", "z", false, false});
         },
         "A|B\na0|b0\nz1|b1\na2|b2\nz3|b3\nz4|b4\na5|b5"},
        {"a row moves past the row shown above it",
         [](auto& d) {
             d.GetGrid().Cursor().SetCurrent(3, 0);
             MoveRow(d, RowMove::Up);
         },
         "A|B\na0|b0\na3|b3\na1|b1\na2|b2\na4|b4\na5|b5"},
        {"and below it",
         [](auto& d) {
             d.GetGrid().Cursor().SetCurrent(1, 0);
             MoveRow(d, RowMove::Down);
         },
         "A|B\na0|b0\na2|b2\na3|b3\na1|b1\na4|b4\na5|b5"},
        {"a sort sorts every row", [](auto& d) { SortByColumn(d, 0, false); },
         "A|B\na5|b5\na4|b4\na3|b3\na2|b2\na1|b1\na0|b0"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        Session s;
        Start(s);
        const std::string before = Dump(s.grid);
        c.run(s.doc);
        EXPECT_EQ(Dump(s.grid), c.after);
        EXPECT_EQ(s.doc.History().StepCount(), 1u);
        ASSERT_TRUE(s.doc.Undo());
        EXPECT_EQ(Dump(s.grid), before);
        EXPECT_EQ(s.grid.Shown().RowsIn(0, 5), (std::vector<int>{1, 3, 4}));
        ASSERT_TRUE(s.doc.Redo());
        EXPECT_EQ(Dump(s.grid), c.after);
        EXPECT_TRUE(s.grid.Shown().IsFiltering());
        const int current = s.grid.Cursor().CurrentRow();
        EXPECT_TRUE(current < 0 || s.grid.Shown().IsShown(current));
    }
}

// Copy takes the rows shown; Find skips the hidden ones.
TEST(FilteredCommandsTest, CopyAndFindSeeTheRowsShownOnly)
{
    Session s;
    Start(s);
    EXPECT_EQ(RangeText(s.grid), "a1\tb1\na3\tb3\na4\tb4\n");
    EXPECT_EQ(CurrentCellText(s.grid).toStdString(), "Ligne 5, Colonne 2 (3 × 2)");
    s.grid.Cursor().SetCurrent(1, 0);
    EXPECT_TRUE(FindText(s.doc, {"b", false, false, true}));
    EXPECT_EQ(s.grid.Cursor().CurrentRow(), 3);
    EXPECT_FALSE(FindText(s.doc, {"a2", false, false, false}));
}

// A step taken under a filter undoes exactly once the filter is gone.
TEST(FilteredCommandsTest, StepsUndoWithoutTheFilter)
{
    Session s;
    Start(s);
    const std::string before = Dump(s.grid);
    DeleteRow(s.doc);
    s.grid.ShowAllRows();
    ASSERT_TRUE(s.doc.Undo());
    EXPECT_EQ(Dump(s.grid), before);
}

// The filter is a view: the exports write the whole list.
TEST(FilteredCommandsTest, ExportsWriteEveryRow)
{
    Session s;
    Start(s);
    TempFiles files;
    const QString path = files.Path("liste.txt");
    ASSERT_TRUE(s.doc.Export(FileFormat::Text, path));
    EXPECT_EQ(TempFiles::Read(path),
              "A\tB\r\na0\tb0\r\na1\tb1\r\na2\tb2\r\na3\tb3\r\na4\tb4\r\na5\tb5\r\n");
}
