#include "edit/CellCommands.h"

#include "edit/EditFocus.h"
#include "grid/CellText.h"
#include "grid/GridListCtrl.h"
#include "resources/StringTable.h"

#include <algorithm>

CSetCellCommand::CSetCellCommand(const CGridListCtrl& grid, int row, int column,
                                 std::string_view text, Kind kind)
    : m_row(row), m_column(column), m_kind(kind), m_oldText(grid.GetItemText(row, column)),
      m_newText(CellText::Clean(text))
{
}

std::unique_ptr<CSetCellCommand> CSetCellCommand::Clear(const CGridListCtrl& grid, int row,
                                                        int column)
{
    return std::make_unique<CSetCellCommand>(grid, row, column, "", Kind::Clear);
}

QString CSetCellCommand::Name() const
{
    switch (m_kind) {
    case Kind::Clear:
        return QString::fromUtf8(Strings::kClearCell);
    case Kind::Cut:
        return QString::fromUtf8(Strings::kCutCell);
    case Kind::Paste:
        return QString::fromUtf8(Strings::kPasteIntoCell);
    case Kind::Modify:
        break;
    }
    return QString::fromUtf8(Strings::kModifyCell);
}

bool CSetCellCommand::Write(CGridListCtrl& grid, const std::string& text) const
{
    if (!grid.SetItemText(m_row, m_column, text))
        return false;
    EditFocus::OnRow(grid, m_row, m_column);
    return true;
}

bool CSetCellCommand::Apply(CGridListCtrl& grid)
{
    return Write(grid, m_newText);
}

bool CSetCellCommand::Revert(CGridListCtrl& grid)
{
    return Write(grid, m_oldText);
}

std::size_t CSetCellCommand::Cost() const
{
    return sizeof(*this) + m_oldText.capacity() + m_newText.capacity();
}

bool CAppendRowsCommand::Apply(CGridListCtrl& grid)
{
    if (m_inGrid)
        return grid.GetItemCount() == m_rowsBefore + m_count;
    if (grid.GetItemCount() != m_rowsBefore)
        return false;
    grid.AppendEmptyRows(m_count);
    m_inGrid = true;
    return true;
}

bool CAppendRowsCommand::Revert(CGridListCtrl& grid)
{
    if (!m_inGrid || grid.GetItemCount() != m_rowsBefore + m_count)
        return false;
    grid.TakeRows(m_rowsBefore, m_count);
    m_inGrid = false;
    EditFocus::OnRow(grid, m_rowsBefore, std::max(grid.Cursor().CurrentColumn(), 0));
    return true;
}
