#include "edit/EditHistory.h"

#include "grid/GridListCtrl.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

// A step that only writes down when it is applied and reverted; one named
// "!" finds the list changed under it when it is undone.
class LoggedCommand : public CEditCommand
{
public:
    LoggedCommand(std::string name, std::size_t cost, std::vector<std::string>& log)
        : m_name(std::move(name)), m_cost(cost), m_log(log)
    {
    }
    QString Name() const override { return QString::fromStdString(m_name); }
    bool Apply(CGridListCtrl&) override
    {
        m_log.push_back("+" + m_name);
        return true;
    }
    bool Revert(CGridListCtrl&) override
    {
        if (m_name == "!")
            return false;
        m_log.push_back("-" + m_name);
        return true;
    }
    std::size_t Cost() const override { return m_cost; }

private:
    std::string m_name;
    std::size_t m_cost;
    std::vector<std::string>& m_log;
};

struct HistoryFixture
{
    CGridListCtrl grid;
    std::vector<std::string> log;
    CEditHistory history;

    explicit HistoryFixture(std::size_t maxSteps = 100, std::size_t maxBytes = 1000)
        : history(maxSteps, maxBytes)
    {
    }
    void Push(const std::string& name, std::size_t cost = 1)
    {
        history.Push(std::make_unique<LoggedCommand>(name, cost, log), grid);
    }
    // Undoes every step there is and gives the log of it.
    std::vector<std::string> UndoAll()
    {
        log.clear();
        while (history.Undo(grid) == CEditHistory::Outcome::Done) {
        }
        return log;
    }
};

using Log = std::vector<std::string>;
constexpr auto Done = CEditHistory::Outcome::Done;
constexpr auto Nothing = CEditHistory::Outcome::Nothing;

// A step that cannot be taken back leaves no step to trust: the history is
// forgotten and the list is no longer at its clean point.
TEST(EditHistoryTest, AStepThatCannotBeUndoneBreaksTheHistory)
{
    HistoryFixture f;
    f.Push("a");
    f.Push("!");
    f.history.SetClean();
    EXPECT_EQ(f.history.Undo(f.grid), CEditHistory::Outcome::Broken);
    EXPECT_EQ(f.history.StepCount(), 0u);
    EXPECT_FALSE(f.history.CanUndo());
    EXPECT_FALSE(f.history.IsClean());
    EXPECT_EQ(f.log, (Log{"+a", "+!"}));
}

TEST(EditHistoryTest, PushAppliesAndAPushAfterUndoDropsTheRedoSteps)
{
    HistoryFixture f;
    f.Push("a");
    f.Push("b");
    EXPECT_EQ(f.log, (Log{"+a", "+b"}));
    EXPECT_EQ(f.history.UndoName(), "b");
    EXPECT_EQ(f.history.Undo(f.grid), Done);
    EXPECT_EQ(f.history.RedoName(), "b");
    EXPECT_EQ(f.history.UndoName(), "a");
    f.Push("c");
    EXPECT_FALSE(f.history.CanRedo());
    EXPECT_EQ(f.history.RedoName(), "");
    EXPECT_EQ(f.history.StepCount(), 2u);
    EXPECT_EQ(f.history.Bytes(), 2u);
    EXPECT_EQ(f.UndoAll(), (Log{"-c", "-a"}));
    EXPECT_EQ(f.history.Undo(f.grid), Nothing);
    EXPECT_EQ(f.history.UndoName(), "");
    f.log.clear();
    EXPECT_EQ(f.history.Redo(f.grid), Done);
    EXPECT_EQ(f.history.Redo(f.grid), Done);
    EXPECT_EQ(f.history.Redo(f.grid), Nothing);
    EXPECT_EQ(f.log, (Log{"+a", "+c"}));
}

TEST(EditHistoryTest, OldestStepsGoFirstPastEitherBound)
{
    struct Case
    {
        const char* what;
        std::size_t maxSteps;
        std::size_t maxBytes;
        std::vector<std::size_t> costs; // of steps a, b, c, ...
        Log undone;
        std::size_t bytes;
    };
    const Case cases[] = {
        {"steps", 3, 1000, {1, 1, 1, 1, 1}, {"-e", "-d", "-c"}, 3},
        {"bytes", 100, 100, {40, 40, 40}, {"-c", "-b"}, 80},
        {"a big step pushes out all older ones", 100, 100, {10, 10, 95}, {"-c"}, 95},
        {"the newest step stays whatever it costs", 100, 100, {10, 500}, {"-b"}, 500},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        HistoryFixture f(c.maxSteps, c.maxBytes);
        std::string name = "a";
        for (const std::size_t cost : c.costs) {
            f.Push(name, cost);
            ++name[0];
        }
        EXPECT_EQ(f.history.Bytes(), c.bytes);
        EXPECT_EQ(f.history.StepCount(), c.undone.size());
        EXPECT_EQ(f.UndoAll(), c.undone);
    }
}

TEST(EditHistoryTest, CleanOnlyAtTheStepMarkedClean)
{
    // P push, U undo, R redo, S mark clean, C clear; clean is the
    // cleanliness after each letter.
    struct Case
    {
        const char* ops;
        const char* clean;
        std::size_t maxSteps = 100;
    };
    const Case cases[] = {
        {"PPSURUR", "0010101"},
        {"SPU", "101"},
        {"PPSUUPUR", "00100000"}, // the clean step was cut away by the push
        {"PSUPUU", "010000"},
        {"PSUPS", "01001"},
        {"SPPPUUU", "1000000", 2},   // the clean state dropped off the bottom
        {"PPSPPUU", "0010001", 2},   // still within the two steps kept
        {"PPSPPPUU", "00100000", 2}, // one step too many
        {"PPUC", "0001"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.ops);
        HistoryFixture f(c.maxSteps);
        std::string clean;
        for (const char* op = c.ops; *op; ++op) {
            switch (*op) {
            case 'P':
                f.Push("p");
                break;
            case 'U':
                (void)f.history.Undo(f.grid);
                break;
            case 'R':
                (void)f.history.Redo(f.grid);
                break;
            case 'S':
                f.history.SetClean();
                break;
            case 'C':
                f.history.Clear();
                break;
            }
            clean += f.history.IsClean() ? '1' : '0';
        }
        EXPECT_EQ(clean, c.clean);
    }
}

} // namespace
