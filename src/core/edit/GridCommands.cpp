#include "edit/GridCommands.h"

#include "document/TablewrightDoc.h"
#include "edit/CellCommands.h"
#include "edit/ColumnCommands.h"
#include "edit/CommandSequence.h"
#include "edit/RowCommands.h"
#include "edit/SortCommand.h"
#include "grid/CellText.h"
#include "grid/GridListCtrl.h"
#include "platform/UserPrompt.h"
#include "resources/StringTable.h"

#include <algorithm>

namespace GridCommands {

namespace {

bool ValidColumn(const CGridListCtrl& grid, int column)
{
    return column >= 0 && column < grid.GetColumnCount();
}

bool HasCurrentCell(const CGridListCtrl& grid)
{
    return grid.m_nCurRow >= 0 && grid.m_nCurRow < grid.GetItemCount() &&
           ValidColumn(grid, grid.m_nCurCol);
}

// A change that leaves the list as it was makes no step, but the list is
// marked changed all the same, as every command has always done.
void Perform(CTablewrightDoc& doc, std::unique_ptr<CEditCommand> command)
{
    if (command)
        doc.Execute(std::move(command));
    else
        doc.SetModifiedFlag(true);
}

void StoreInCurrentCell(CTablewrightDoc& doc, std::string_view text, CSetCellCommand::Kind kind)
{
    CGridListCtrl& grid = doc.GetGrid();
    const int appended = doc.TakeRowsAppendedForEdit();
    if (!HasCurrentCell(grid)) {
        doc.SetModifiedFlag(true);
        return;
    }
    auto command = std::make_unique<CSetCellCommand>(grid, grid.m_nCurRow, grid.m_nCurCol, text,
                                                     appended, kind);
    if (command->ChangesNothing())
        command.reset();
    Perform(doc, std::move(command));
}

} // namespace

void PrepareForDocument(CGridListCtrl& grid, bool loaded)
{
    if (!loaded) {
        constexpr const char* kDefaultColumns[] = {"A", "B", "C", "D"};
        for (int i = 0; i < 4; ++i)
            grid.InsertColumn(i, kDefaultColumns[i], kDefaultColumnWidth);
    }
    grid.m_nCurRow = -1;
    grid.m_nCurCol = -1;
}

bool ForgetVanishedCurrentCell(CGridListCtrl& grid)
{
    if (grid.m_nCurRow < grid.GetItemCount() && grid.m_nCurCol < grid.GetColumnCount())
        return false;
    grid.m_nCurRow = -1;
    grid.m_nCurCol = -1;
    return true;
}

QString CurrentCellText(const CGridListCtrl& grid)
{
    if (grid.m_nCurRow == -1 || grid.m_nCurCol == -1)
        return {};
    return QStringLiteral("%1 %2, %3 %4")
        .arg(QString::fromUtf8(Strings::kRow))
        .arg(grid.m_nCurRow + 1)
        .arg(QString::fromUtf8(Strings::kColumn))
        .arg(grid.m_nCurCol + 1);
}

void CommitCell(CTablewrightDoc& doc, std::string_view text)
{
    StoreInCurrentCell(doc, text, CSetCellCommand::Kind::Modify);
}

void ClearCurrentCell(CTablewrightDoc& doc)
{
    StoreInCurrentCell(doc, {}, CSetCellCommand::Kind::Clear);
}

std::string CurrentCellContent(const CGridListCtrl& grid)
{
    return HasCurrentCell(grid) ? grid.GetItemText(grid.m_nCurRow, grid.m_nCurCol) : std::string();
}

void CutCurrentCell(CTablewrightDoc& doc)
{
    StoreInCurrentCell(doc, {}, CSetCellCommand::Kind::Cut);
}

void PasteIntoCurrentCell(CTablewrightDoc& doc, std::string_view text)
{
    StoreInCurrentCell(doc, text, CSetCellCommand::Kind::Paste);
}

Cell TabTarget(const CGridListCtrl& grid)
{
    if (grid.m_nCurCol + 1 < grid.GetColumnCount())
        return {grid.m_nCurRow, grid.m_nCurCol + 1};
    return {grid.m_nCurRow + 1, 0};
}

Cell ArrowTarget(const CGridListCtrl& grid, Arrow arrow)
{
    Cell target{grid.m_nCurRow, grid.m_nCurCol};
    switch (arrow) {
    case Arrow::Down:
        if (target.row < grid.GetItemCount() - 1)
            ++target.row;
        break;
    case Arrow::Up:
        if (target.row > 0)
            --target.row;
        break;
    case Arrow::Left:
        if (target.column > 0)
            --target.column;
        break;
    case Arrow::Right:
        if (target.column < grid.GetColumnCount() - 1)
            ++target.column;
        break;
    }
    return target;
}

void AppendRowsUpTo(CTablewrightDoc& doc, int row)
{
    const int missing = row - (doc.GetGrid().GetItemCount() - 1);
    if (missing > 0)
        doc.AppendRowsForEdit(missing);
}

void StartFirstRow(CTablewrightDoc& doc)
{
    CGridListCtrl& grid = doc.GetGrid();
    if (grid.GetItemCount() > 0 || grid.GetColumnCount() == 0)
        return;
    AppendRowsUpTo(doc, 0);
    grid.SelectRow(0);
    grid.m_nCurRow = 0;
    grid.m_nCurCol = std::max(grid.m_nCurCol, 0);
}

void InsertRow(CTablewrightDoc& doc, RowPlace place)
{
    const int selected = doc.GetGrid().GetSelectedRow();
    if (selected < 0)
        return;
    doc.Execute(
        std::make_unique<CInsertRowCommand>(place == RowPlace::Above ? selected : selected + 1));
}

// The row that takes the deleted one's place becomes current; after the
// last row, the new last row does, and with no row left no cell is current.
void DeleteRow(CTablewrightDoc& doc)
{
    CGridListCtrl& grid = doc.GetGrid();
    const int selected = grid.GetSelectedRow();
    if (selected < 0)
        return;
    doc.Execute(std::make_unique<CDeleteRowCommand>(grid, selected));
}

// A move leaves the current cell where it was, and a row that cannot go
// further still marks the list changed.
void MoveRow(CTablewrightDoc& doc, RowMove move)
{
    CGridListCtrl& grid = doc.GetGrid();
    const int selected = grid.GetSelectedRow();
    if (selected < 0)
        return;
    const int to = move == RowMove::Up ? selected - 1 : selected + 2;
    const Cell current{grid.m_nCurRow, grid.m_nCurCol};
    Perform(doc, CMoveRowCommand::Create(grid, selected, to));
    grid.m_nCurRow = current.row;
    grid.m_nCurCol = current.column;
}

void RenameColumn(CTablewrightDoc& doc, int column, const QString& name)
{
    CGridListCtrl& grid = doc.GetGrid();
    if (!ValidColumn(grid, column))
        return;
    const QByteArray utf8 = name.toUtf8();
    const std::string clean = CellText::Clean(std::string_view(utf8.constData(), utf8.size()));
    const std::string_view kept = CellText::Utf8Prefix(clean, kMaxColumnNameLength);
    std::unique_ptr<CEditCommand> command;
    if (kept != grid.GetColumnName(column))
        command = std::make_unique<CRenameColumnCommand>(grid, column, kept);
    Perform(doc, std::move(command));
}

void InsertColumn(CTablewrightDoc& doc, int column, ColumnPlace place)
{
    if (!ValidColumn(doc.GetGrid(), column))
        return;
    doc.Execute(
        std::make_unique<CInsertColumnCommand>(place == ColumnPlace::Before ? column : column + 1));
}

bool DeleteColumn(CTablewrightDoc& doc, int column)
{
    CGridListCtrl& grid = doc.GetGrid();
    if (!ValidColumn(grid, column))
        return false;
    const QString question = QString::fromUtf8(Strings::kDeleteColumnQuestion)
                                 .arg(QString::fromStdString(grid.GetColumnName(column)));
    if (doc.Prompt().Ask(IUserPrompt::Question::DeleteColumn, question) != IUserPrompt::Answer::Yes)
        return false;
    auto deletion = std::make_unique<CDeleteColumnCommand>(column);
    // Rows with no column left to hold a cell go with the last column.
    if (grid.GetColumnCount() == 1 && grid.GetItemCount() > 0) {
        std::vector<std::unique_ptr<CEditCommand>> steps;
        steps.push_back(std::move(deletion));
        steps.push_back(std::make_unique<CDeleteEmptyRowsCommand>(grid.GetItemCount()));
        doc.Execute(std::make_unique<CCommandSequence>(std::move(steps)));
    } else {
        doc.Execute(std::move(deletion));
    }
    return true;
}

void ReorderColumns(CTablewrightDoc& doc, const std::vector<int>& order)
{
    Perform(doc, CReorderColumnsCommand::Create(doc.GetGrid(), order));
}

bool SortState::Click(int clicked)
{
    ascending = clicked == column ? !ascending : true;
    column = clicked;
    return ascending;
}

void SortByColumn(CTablewrightDoc& doc, int column, bool ascending)
{
    Perform(doc, CSortRowsCommand::Create(doc.GetGrid(), column, ascending));
}

} // namespace GridCommands
