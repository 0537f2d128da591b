#include "edit/CellCommands.h"
#include "edit/ColumnCommands.h"
#include "edit/CommandSequence.h"
#include "edit/EditHistory.h"
#include "edit/RowCommands.h"

#include "TestDoubles.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <numeric>
#include <random>

namespace {

class RandomEdits
{
public:
    explicit RandomEdits(unsigned seed) : m_random(seed) {}

    // A number from 0 to n - 1.
    int Pick(int n) { return std::uniform_int_distribution<int>(0, std::max(n, 1) - 1)(m_random); }

    std::string Text()
    {
        static const char* const kTexts[] = {"", "x", "été", "a b", "tab\there", "日本", "0"};
        return kTexts[Pick(std::size(kTexts))];
    }

    void FillList(CGridListCtrl& grid)
    {
        Fill(grid, {"A", "B", "C", "D"}, {});
        for (int row = 0; row < 30; ++row) {
            grid.InsertItem(row, Text());
            for (int column = 1; column < 4; ++column)
                grid.SetItemText(row, column, Text());
        }
        grid.SetColumnWidth(1, 55);
        grid.SetColumnWidth(3, 210);
    }

    // Some change the user could make to the list as it is now.
    std::unique_ptr<CEditCommand> Command(CGridListCtrl& grid)
    {
        for (;;) {
            if (std::unique_ptr<CEditCommand> command = Try(grid, Pick(10)))
                return command;
        }
    }

private:
    std::unique_ptr<CEditCommand> Try(CGridListCtrl& grid, int kind)
    {
        const int rows = grid.GetItemCount();
        const int columns = grid.GetColumnCount();
        const bool cells = rows > 0 && columns > 0;
        switch (kind) {
        case 0:
            return cells
                       ? std::make_unique<CSetCellCommand>(grid, Pick(rows), Pick(columns), Text())
                       : nullptr;
        case 1:
            return cells ? CSetCellCommand::Clear(grid, Pick(rows), Pick(columns)) : nullptr;
        case 2:
            return columns > 0 ? AppendAndSet(grid, 1 + Pick(2)) : nullptr;
        case 3:
            return std::make_unique<CInsertRowCommand>(Pick(rows + 1));
        case 4:
            return rows > 0 ? std::make_unique<CDeleteRowCommand>(grid, Pick(rows)) : nullptr;
        case 5:
            return CMoveRowCommand::Create(grid, Pick(rows), Pick(rows + 1));
        case 6:
            return columns > 0 ? std::make_unique<CRenameColumnCommand>(grid, Pick(columns), Text())
                               : nullptr;
        case 7:
            return columns < 7 ? std::make_unique<CInsertColumnCommand>(Pick(columns + 1))
                               : nullptr;
        case 8:
            return columns > 1 ? std::make_unique<CDeleteColumnCommand>(Pick(columns)) : nullptr;
        default:
            return Reorder(grid);
        }
    }

    // The rows an edit below the last row appends, with the edit.
    std::unique_ptr<CEditCommand> AppendAndSet(CGridListCtrl& grid, int count)
    {
        const int before = grid.GetItemCount();
        grid.AppendEmptyRows(count);
        std::vector<std::unique_ptr<CEditCommand>> steps;
        steps.push_back(std::make_unique<CAppendRowsCommand>(
            before, count, CAppendRowsCommand::Rows::AppendedAlready));
        steps.push_back(std::make_unique<CSetCellCommand>(grid, grid.GetItemCount() - 1,
                                                          Pick(grid.GetColumnCount()), Text()));
        return std::make_unique<CCommandSequence>(std::move(steps));
    }

    std::unique_ptr<CEditCommand> Reorder(const CGridListCtrl& grid)
    {
        std::vector<int> order(grid.GetColumnCount());
        std::iota(order.begin(), order.end(), 0);
        std::shuffle(order.begin(), order.end(), m_random);
        return CReorderColumnsCommand::Create(grid, order);
    }

    std::mt19937 m_random;
};

TEST(RandomEditsTest, UndoingEverythingGivesBackTheSavedBytes)
{
    constexpr unsigned kSeed = 20260314;
    constexpr int kCommands = 400;
    SCOPED_TRACE("seed " + std::to_string(kSeed));
    const TempFiles files;
    RandomEdits edits(kSeed);
    CGridListCtrl grid;
    edits.FillList(grid);
    const std::string original = SavedList(grid, files);

    CEditHistory history(kCommands);
    for (int i = 0; i < kCommands; ++i)
        history.Push(edits.Command(grid), grid);
    ASSERT_EQ(history.StepCount(), std::size_t{kCommands});
    ASSERT_EQ(GridFault(grid), "");
    const std::string edited = SavedList(grid, files);
    ASSERT_NE(edited, original);

    while (history.Undo(grid) == CEditHistory::Outcome::Done) {
    }
    EXPECT_EQ(SavedList(grid, files), original);
    while (history.Redo(grid) == CEditHistory::Outcome::Done) {
    }
    EXPECT_EQ(SavedList(grid, files), edited);
}

} // namespace
