#include "edit/RowCommands.h"

#include "edit/EditFocus.h"
#include "grid/GridListCtrl.h"
#include "resources/StringTable.h"

#include <algorithm>
#include <utility>

namespace {

// The current cell follows the row it is moved to, keeping its column.
void FocusMovedRow(CGridListCtrl& grid, int row)
{
    EditFocus::OnRow(grid, row, std::max(grid.Cursor().CurrentColumn(), 0));
}

} // namespace

QString CInsertRowCommand::Name() const
{
    return QString::fromUtf8(m_count == 1 ? Strings::kInsertRow : Strings::kInsertRows);
}

bool CInsertRowCommand::Apply(CGridListCtrl& grid)
{
    m_row = std::min(m_row, grid.GetItemCount());
    if (m_count <= 0 || !grid.PutRows(m_row, PackedRows(static_cast<std::size_t>(m_count))))
        return false;
    EditFocus::OnRow(grid, m_row, 0);
    return true;
}

bool CInsertRowCommand::Revert(CGridListCtrl& grid)
{
    if (grid.TakeRows(m_row, m_count).empty())
        return false;
    EditFocus::OnRow(grid, m_row, 0);
    return true;
}

CDeleteRowCommand::CDeleteRowCommand(const CGridListCtrl& grid, int row, int count)
    : m_row(row), m_count(count)
{
    for (int k = 0; k < count; ++k)
        m_bytes += grid.JoinedRowView(row + k).size();
}

QString CDeleteRowCommand::Name() const
{
    return m_count == 1 ? QString::fromUtf8(Strings::kDeleteRow)
                        : QString::fromUtf8(Strings::kDeleteRows);
}

bool CDeleteRowCommand::Apply(CGridListCtrl& grid)
{
    if (m_row < 0 || m_count <= 0 || m_row + m_count > grid.GetItemCount())
        return false;
    m_rows = grid.TakeRows(m_row, m_count);
    EditFocus::OnRow(grid, m_row, 0);
    return true;
}

bool CDeleteRowCommand::Revert(CGridListCtrl& grid)
{
    if (m_rows.empty() || m_row > grid.GetItemCount())
        return false;
    grid.PutRows(m_row, std::move(m_rows));
    m_rows = PackedRows();
    EditFocus::OnRow(grid, m_row, 0);
    return true;
}

std::size_t CDeleteRowCommand::Cost() const
{
    return sizeof(*this) + m_bytes + static_cast<std::size_t>(m_count) * sizeof(PackedRow);
}

CDeleteRowSetCommand::CDeleteRowSetCommand(const CGridListCtrl& grid, std::vector<int> rows,
                                           const char* name)
    : m_rows(std::move(rows)), m_name(name)
{
    for (const int row : m_rows)
        m_bytes += grid.JoinedRowView(row).size();
}

bool CDeleteRowSetCommand::Apply(CGridListCtrl& grid)
{
    if (m_rows.empty() || m_rows.back() >= grid.GetItemCount())
        return false;
    m_packed = grid.TakeRowSet(m_rows);
    if (m_packed.empty())
        return false;
    EditFocus::OnRow(grid, m_rows.front(), 0);
    return true;
}

bool CDeleteRowSetCommand::Revert(CGridListCtrl& grid)
{
    const auto total = static_cast<std::size_t>(grid.GetItemCount()) + m_packed.size();
    if (m_packed.size() != m_rows.size() || static_cast<std::size_t>(m_rows.back()) >= total)
        return false;
    if (!grid.PutRowSet(m_rows, std::exchange(m_packed, {})))
        return false;
    EditFocus::OnRow(grid, m_rows.front(), 0);
    return true;
}

std::size_t CDeleteRowSetCommand::Cost() const
{
    return sizeof(*this) + m_bytes + m_rows.size() * (sizeof(int) + sizeof(PackedRow));
}

std::unique_ptr<CMoveRowCommand> CMoveRowCommand::Create(const CGridListCtrl& grid, int from,
                                                         int to)
{
    const int rows = grid.GetItemCount();
    if (from < 0 || from >= rows || to < 0 || to > rows || to == from || to == from + 1)
        return nullptr;
    return std::make_unique<CMoveRowCommand>(Key{}, from, to);
}

bool CMoveRowCommand::Apply(CGridListCtrl& grid)
{
    if (!grid.MoveRow(m_from, m_to))
        return false;
    FocusMovedRow(grid, Landing());
    return true;
}

bool CMoveRowCommand::Revert(CGridListCtrl& grid)
{
    const int landing = Landing();
    if (!grid.MoveRow(landing, m_from > landing ? m_from + 1 : m_from))
        return false;
    FocusMovedRow(grid, m_from);
    return true;
}
