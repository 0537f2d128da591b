#include "edit/ColumnCommands.h"

#include "grid/GridListCtrl.h"

#include <algorithm>
#include <numeric>

CRenameColumnCommand::CRenameColumnCommand(const CGridListCtrl& grid, int column,
                                           std::string_view name)
    : m_column(column), m_oldName(grid.GetColumnName(column)), m_newName(name)
{
}

bool CRenameColumnCommand::Apply(CGridListCtrl& grid)
{
    if (m_column >= grid.GetColumnCount())
        return false;
    grid.SetColumnName(m_column, m_newName);
    return true;
}

bool CRenameColumnCommand::Revert(CGridListCtrl& grid)
{
    if (m_column >= grid.GetColumnCount())
        return false;
    grid.SetColumnName(m_column, m_oldName);
    return true;
}

std::size_t CRenameColumnCommand::Cost() const
{
    return sizeof(*this) + m_oldName.capacity() + m_newName.capacity();
}

CInsertColumnCommand::CInsertColumnCommand(int column, std::string name, int width)
    : m_column(column), m_header{std::move(name), width}
{
}

bool CInsertColumnCommand::Apply(CGridListCtrl& grid)
{
    m_column = grid.InsertColumn(m_column, m_header.name, m_header.width);
    if (m_column < 0)
        return false;
    return true;
}

bool CInsertColumnCommand::Revert(CGridListCtrl& grid)
{
    if (!grid.DeleteColumn(m_column))
        return false;
    return true;
}

bool CDeleteColumnCommand::Apply(CGridListCtrl& grid)
{
    if (!grid.TakeColumn(m_column, m_header, m_cells))
        return false;
    m_taken = true;
    m_cellBytes = m_cells.size();
    return true;
}

bool CDeleteColumnCommand::Revert(CGridListCtrl& grid)
{
    if (!m_taken || grid.PutColumn(m_column, m_header, m_cells) < 0)
        return false;
    m_taken = false;
    m_cells = std::string();
    return true;
}

std::size_t CDeleteColumnCommand::Cost() const
{
    return sizeof(*this) + m_header.name.capacity() + m_cellBytes;
}

bool CResizeColumnsCommand::SetWidths(CGridListCtrl& grid, int Width::*width) const
{
    const bool fit = std::all_of(m_widths.begin(), m_widths.end(), [&grid](const Width& w) {
        return w.column >= 0 && w.column < grid.GetColumnCount();
    });
    if (!fit)
        return false;
    for (const Width& w : m_widths)
        grid.SetColumnWidth(w.column, w.*width);
    return true;
}

std::unique_ptr<CReorderColumnsCommand> CReorderColumnsCommand::Create(const CGridListCtrl& grid,
                                                                       std::vector<int> order)
{
    std::vector<int> sorted = order;
    std::sort(sorted.begin(), sorted.end());
    std::vector<int> identity(grid.GetColumnCount());
    std::iota(identity.begin(), identity.end(), 0);
    if (sorted != identity || order == identity)
        return nullptr;
    return std::make_unique<CReorderColumnsCommand>(Key{}, std::move(order));
}

bool CReorderColumnsCommand::Apply(CGridListCtrl& grid)
{
    return grid.PermuteColumns(m_order);
}

bool CReorderColumnsCommand::Revert(CGridListCtrl& grid)
{
    return grid.PermuteColumns(InverseOrder(m_order));
}

std::size_t CReorderColumnsCommand::Cost() const
{
    return sizeof(*this) + m_order.capacity() * sizeof(int);
}
