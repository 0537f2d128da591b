#include "edit/CellCommands.h"

#include "edit/EditFocus.h"
#include "grid/CellText.h"
#include "grid/GridListCtrl.h"

#include <algorithm>

CSetCellCommand::CSetCellCommand(const CGridListCtrl& grid, int row, int column,
                                 std::string_view text, int appendedRows, Kind kind)
    : m_row(row), m_column(column), m_appendedRows(std::max(appendedRows, 0)),
      m_rowsBefore(grid.GetItemCount() - m_appendedRows), m_kind(kind),
      m_oldText(grid.GetItemText(row, column)), m_newText(CellText::Clean(text))
{
}

std::unique_ptr<CSetCellCommand> CSetCellCommand::Clear(const CGridListCtrl& grid, int row,
                                                        int column)
{
    return std::make_unique<CSetCellCommand>(grid, row, column, "", 0, Kind::Clear);
}

QString CSetCellCommand::Name() const
{
    switch (m_kind) {
    case Kind::Clear:
        return QStringLiteral("Effacer la cellule");
    case Kind::Cut:
        return QStringLiteral("Couper la cellule");
    case Kind::Paste:
        return QStringLiteral("Coller dans la cellule");
    case Kind::Modify:
        break;
    }
    return QStringLiteral("Modifier la cellule");
}

void CSetCellCommand::Apply(CGridListCtrl& grid)
{
    if (grid.GetItemCount() == m_rowsBefore) {
        for (int added = 0; added < m_appendedRows; ++added)
            grid.InsertItem(grid.GetItemCount(), "");
    }
    grid.SetItemText(m_row, m_column, m_newText);
    EditFocus::OnRow(grid, m_row, m_column);
}

void CSetCellCommand::Revert(CGridListCtrl& grid)
{
    grid.SetItemText(m_row, m_column, m_oldText);
    for (int added = 0; added < m_appendedRows; ++added)
        grid.DeleteItem(grid.GetItemCount() - 1);
    EditFocus::OnRow(grid, m_row, m_column);
}

std::size_t CSetCellCommand::Cost() const
{
    return sizeof(*this) + m_oldText.capacity() + m_newText.capacity();
}
