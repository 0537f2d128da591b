#include "edit/GridCommands.h"

#include "TestDoubles.h"

#include <gtest/gtest.h>

namespace {

TEST(GridCommandsTest, OnlyAListNotReadFromAFileGetsTheDefaultColumns)
{
    for (const bool loaded : {false, true}) {
        CGridListCtrl grid;
        grid.m_nCurRow = 2;
        grid.m_nCurCol = 1;
        GridCommands::PrepareForDocument(grid, loaded);
        EXPECT_EQ(Dump(grid), loaded ? "" : "A|B|C|D");
        EXPECT_EQ(grid.m_nCurRow, -1);
        EXPECT_EQ(grid.m_nCurCol, -1);
    }
}

TEST(GridCommandsTest, CurrentCellIsShownFromOneAndForgottenWhenGone)
{
    CGridListCtrl grid;
    Fill(grid, {"a", "b"}, {{"1", "2"}});
    EXPECT_EQ(GridCommands::CurrentCellText(grid), "");
    grid.m_nCurRow = 0;
    grid.m_nCurCol = 1;
    EXPECT_EQ(GridCommands::CurrentCellText(grid), "Ligne 1, Colonne 2");
    EXPECT_FALSE(GridCommands::ForgetVanishedCurrentCell(grid));
    grid.DeleteColumn(1);
    EXPECT_TRUE(GridCommands::ForgetVanishedCurrentCell(grid));
    EXPECT_EQ(GridCommands::CurrentCellText(grid), "");
}

TEST(GridCommandsTest, ReorderedColumnsChangeTheList)
{
    Session session;
    Fill(session.grid, {"one", "two"}, {{"1", "2"}});
    GridCommands::ReorderColumns(session.grid, {1, 0}, session.doc);
    EXPECT_EQ(Dump(session.grid), "two|one\n2|1");
    EXPECT_TRUE(session.doc.IsModified());
}

} // namespace
