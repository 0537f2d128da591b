#include "edit/RowCommands.h"

#include "edit/EditFocus.h"
#include "grid/GridListCtrl.h"

namespace {

// The current cell follows the row it is moved to, keeping its column.
void FocusMovedRow(CGridListCtrl& grid, int row)
{
    EditFocus::OnRow(grid, row, grid.m_nCurCol < 0 ? 0 : grid.m_nCurCol);
}

} // namespace

void CInsertRowCommand::Apply(CGridListCtrl& grid)
{
    m_row = grid.InsertItem(m_row, "");
    EditFocus::OnRow(grid, m_row, 0);
}

void CInsertRowCommand::Revert(CGridListCtrl& grid)
{
    grid.DeleteItem(m_row);
    EditFocus::OnRow(grid, m_row, 0);
}

CDeleteRowCommand::CDeleteRowCommand(const CGridListCtrl& grid, int row)
    : m_row(row), m_cells(grid.JoinedRowView(row))
{
}

void CDeleteRowCommand::Apply(CGridListCtrl& grid)
{
    m_deleted = grid.DeleteItem(m_row);
    EditFocus::OnRow(grid, m_row, 0);
}

void CDeleteRowCommand::Revert(CGridListCtrl& grid)
{
    if (m_deleted)
        grid.InsertJoinedRow(m_row, m_cells);
    m_deleted = false;
    EditFocus::OnRow(grid, m_row, 0);
}

std::unique_ptr<CMoveRowCommand> CMoveRowCommand::Create(const CGridListCtrl& grid, int from,
                                                         int to)
{
    const int rows = grid.GetItemCount();
    if (from < 0 || from >= rows || to < 0 || to > rows || to == from || to == from + 1)
        return nullptr;
    return std::make_unique<CMoveRowCommand>(Key{}, from, to);
}

void CMoveRowCommand::Apply(CGridListCtrl& grid)
{
    grid.MoveRow(m_from, m_to);
    FocusMovedRow(grid, Landing());
}

void CMoveRowCommand::Revert(CGridListCtrl& grid)
{
    const int landing = Landing();
    grid.MoveRow(landing, m_from > landing ? m_from + 1 : m_from);
    FocusMovedRow(grid, m_from);
}
