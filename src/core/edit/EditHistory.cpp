#include "edit/EditHistory.h"

#include <algorithm>

CEditHistory::CEditHistory(std::size_t maxSteps, std::size_t maxBytes)
    : m_maxSteps(std::max<std::size_t>(maxSteps, 1)), m_maxBytes(maxBytes)
{
}

bool CEditHistory::Push(std::unique_ptr<CEditCommand> command, CGridListCtrl& grid)
{
    if (!command || !command->Apply(grid))
        return false;
    DropRedoSteps();
    const std::size_t cost = command->Cost();
    m_steps.push_back({std::move(command), cost});
    m_bytes += cost;
    ++m_done;
    m_bChangedWithoutStep = false;
    DropOldestBeyondBounds();
    return true;
}

void CEditHistory::DropRedoSteps()
{
    if (m_clean && *m_clean > m_done)
        m_clean.reset();
    while (m_steps.size() > m_done) {
        m_bytes -= m_steps.back().cost;
        m_steps.pop_back();
    }
}

// The newest step always stays, however much it keeps.
void CEditHistory::DropOldestBeyondBounds()
{
    while (m_steps.size() > 1 && (m_steps.size() > m_maxSteps || m_bytes > m_maxBytes)) {
        m_bytes -= m_steps.front().cost;
        m_steps.pop_front();
        --m_done;
        if (m_clean == std::size_t{0})
            m_clean.reset();
        else if (m_clean)
            --*m_clean;
    }
}

bool CEditHistory::CanUndo() const
{
    return m_done > 0;
}

bool CEditHistory::CanRedo() const
{
    return m_done < m_steps.size();
}

QString CEditHistory::UndoName() const
{
    return CanUndo() ? m_steps[m_done - 1].command->Name() : QString();
}

QString CEditHistory::RedoName() const
{
    return CanRedo() ? m_steps[m_done].command->Name() : QString();
}

CEditHistory::Outcome CEditHistory::Undo(CGridListCtrl& grid)
{
    if (!CanUndo())
        return Outcome::Nothing;
    if (!m_steps[m_done - 1].command->Revert(grid))
        return Break();
    --m_done;
    m_bChangedWithoutStep = false;
    return Outcome::Done;
}

CEditHistory::Outcome CEditHistory::Redo(CGridListCtrl& grid)
{
    if (!CanRedo())
        return Outcome::Nothing;
    if (!m_steps[m_done].command->Apply(grid))
        return Break();
    ++m_done;
    m_bChangedWithoutStep = false;
    return Outcome::Done;
}

CEditHistory::Outcome CEditHistory::Break()
{
    Clear();
    m_clean.reset();
    return Outcome::Broken;
}

void CEditHistory::Clear()
{
    m_steps.clear();
    m_done = 0;
    m_bytes = 0;
    m_clean = 0;
    m_bChangedWithoutStep = false;
}

void CEditHistory::SetClean()
{
    m_clean = m_done;
    m_bChangedWithoutStep = false;
}

bool CEditHistory::IsClean() const
{
    return m_clean == m_done && !m_bChangedWithoutStep;
}
