#include "edit/CommandSequence.h"

#include "grid/GridListCtrl.h"

#include <numeric>

CCommandSequence::CCommandSequence(std::vector<std::unique_ptr<CEditCommand>> commands)
    : m_commands(std::move(commands))
{
}

QString CCommandSequence::Name() const
{
    return m_commands.empty() ? QString() : m_commands.front()->Name();
}

void CCommandSequence::Apply(CGridListCtrl& grid)
{
    for (const auto& command : m_commands)
        command->Apply(grid);
}

void CCommandSequence::Revert(CGridListCtrl& grid)
{
    for (auto it = m_commands.rbegin(); it != m_commands.rend(); ++it)
        (*it)->Revert(grid);
}

std::size_t CCommandSequence::Cost() const
{
    return std::accumulate(
        m_commands.begin(), m_commands.end(), sizeof(*this),
        [](std::size_t sum, const auto& command) { return sum + command->Cost(); });
}

void CDeleteEmptyRowsCommand::Apply(CGridListCtrl& grid)
{
    grid.DeleteAllItems();
    grid.m_nCurRow = -1;
    grid.m_nCurCol = -1;
}

void CDeleteEmptyRowsCommand::Revert(CGridListCtrl& grid)
{
    const ScopedRedrawSuspension suspended(grid);
    for (int i = 0; i < m_count; ++i)
        grid.InsertItem(grid.GetItemCount(), {});
}
