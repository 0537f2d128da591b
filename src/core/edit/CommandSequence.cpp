#include "edit/CommandSequence.h"

#include "grid/GridListCtrl.h"

#include <numeric>

CCommandSequence::CCommandSequence(std::vector<std::unique_ptr<CEditCommand>> commands,
                                   QString name)
    : m_commands(std::move(commands)), m_name(std::move(name))
{
}

QString CCommandSequence::Name() const
{
    if (!m_name.isEmpty() || m_commands.empty())
        return m_name;
    return m_commands.front()->Name();
}

bool CCommandSequence::Apply(CGridListCtrl& grid)
{
    for (auto it = m_commands.begin(); it != m_commands.end(); ++it) {
        if ((*it)->Apply(grid))
            continue;
        while (it != m_commands.begin())
            (void)(*--it)->Revert(grid);
        return false;
    }
    return true;
}

bool CCommandSequence::Revert(CGridListCtrl& grid)
{
    for (auto it = m_commands.rbegin(); it != m_commands.rend(); ++it) {
        if ((*it)->Revert(grid))
            continue;
        while (it != m_commands.rbegin())
            (void)(*--it)->Apply(grid);
        return false;
    }
    return true;
}

std::size_t CCommandSequence::Cost() const
{
    return std::accumulate(
        m_commands.begin(), m_commands.end(), sizeof(*this),
        [](std::size_t sum, const auto& command) { return sum + command->Cost(); });
}

bool CDeleteEmptyRowsCommand::Apply(CGridListCtrl& grid)
{
    if (grid.GetItemCount() != m_count || grid.GetColumnCount() != 0)
        return false;
    grid.DeleteAllItems();
    grid.Cursor().SetCurrent(-1, -1);
    return true;
}

bool CDeleteEmptyRowsCommand::Revert(CGridListCtrl& grid)
{
    if (grid.GetItemCount() != 0)
        return false;
    grid.AppendEmptyRows(m_count);
    return true;
}
