#pragma once

#include "edit/EditCommand.h"

#include <cstddef>
#include <deque>
#include <memory>
#include <optional>

class CGridListCtrl;

// The steps that can be undone and redone, oldest first. It is bounded in
// steps and in memory: past either bound the oldest steps are dropped. The
// clean point is the step at which the list was last saved (or opened).
class CEditHistory
{
public:
    static constexpr std::size_t kMaxSteps = 100;
    static constexpr std::size_t kMaxBytes = std::size_t{256} << 20;

    explicit CEditHistory(std::size_t maxSteps = kMaxSteps, std::size_t maxBytes = kMaxBytes);

    // Applies command to grid and records it; the steps that could have been
    // redone are dropped. False, recording nothing, when it cannot apply.
    bool Push(std::unique_ptr<CEditCommand> command, CGridListCtrl& grid);
    bool CanUndo() const;
    bool CanRedo() const;
    // Name of the step Undo or Redo would take; empty when there is none.
    QString UndoName() const;
    QString RedoName() const;
    // What an undo or a redo came to. A step that finds the list other than
    // it left it changes nothing; no step can be trusted after that, so the
    // history is forgotten and the clean point with it.
    enum class Outcome
    {
        Done,
        Nothing, // no step to take
        Broken
    };
    Outcome Undo(CGridListCtrl& grid);
    Outcome Redo(CGridListCtrl& grid);

    // Forgets every step; the list as it is becomes the clean point.
    void Clear();
    void SetClean();
    // A command that changed nothing still counts as a change: the list is
    // not clean until the next step, undo, redo or clean point.
    void MarkChangedWithoutStep() { m_bChangedWithoutStep = true; }
    // True while the list is as it was at the clean point.
    bool IsClean() const;
    std::size_t Bytes() const { return m_bytes; }
    std::size_t StepCount() const { return m_steps.size(); }

private:
    struct Step
    {
        std::unique_ptr<CEditCommand> command;
        std::size_t cost; // as counted when the step was recorded
    };

    void DropRedoSteps();
    Outcome Break();
    void DropOldestBeyondBounds();

    std::size_t m_maxSteps;
    std::size_t m_maxBytes;
    std::deque<Step> m_steps;
    // Steps 0..m_done-1 are applied; the others can be redone.
    std::size_t m_done = 0;
    std::size_t m_bytes = 0;
    // Value of m_done at the clean point; empty once that is out of reach.
    std::optional<std::size_t> m_clean = 0;
    bool m_bChangedWithoutStep = false;
};
