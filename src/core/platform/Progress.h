#pragma once

#include <QString>

// The status bar as long operations see it.
class IProgress
{
public:
    virtual ~IProgress() = default;
    // 0 to 100; lets the window repaint while the operation goes on.
    virtual void SetProgress(int percent) = 0;
    virtual void SetStatusPaneText(int pane, const QString& text) = 0;
    // While a read that may be stopped runs, the window listens for Échap:
    // SetStoppable(true) forgets any earlier request, StopAsked tells
    // whether one came since, also once the read has ended.
    virtual void SetStoppable(bool /*stoppable*/) {}
    virtual bool StopAsked() const { return false; }
};

// Lets the user stop what runs in its lifetime.
class StoppableScope
{
public:
    explicit StoppableScope(IProgress& progress) : m_progress(progress)
    {
        m_progress.SetStoppable(true);
    }
    ~StoppableScope() { m_progress.SetStoppable(false); }
    StoppableScope(const StoppableScope&) = delete;
    StoppableScope& operator=(const StoppableScope&) = delete;

private:
    IProgress& m_progress;
};

// Reports the progress of one operation: 0 at the start, each new
// percentage as the work goes on (only when it changes, so a million rows do
// not mean a million repaints), and 0 again at the end.
class ProgressReporter
{
public:
    explicit ProgressReporter(IProgress& progress) : m_progress(progress)
    {
        m_progress.SetProgress(0);
    }
    ~ProgressReporter() { m_progress.SetProgress(0); }
    ProgressReporter(const ProgressReporter&) = delete;
    ProgressReporter& operator=(const ProgressReporter&) = delete;

    // The integer part of done / (total + 1) * 100.
    void Update(long long done, long long total)
    {
        const int percent = static_cast<int>(static_cast<double>(done) / (total + 1) * 100.0);
        if (percent != m_last) {
            m_last = percent;
            m_progress.SetProgress(percent);
            m_stopped = m_progress.StopAsked();
        }
    }
    // True once the user asked to stop, as learnt at the last change of
    // percentage: a loop over millions of rows may ask at every row.
    bool Stopped() const { return m_stopped; }

private:
    IProgress& m_progress;
    int m_last = 0;
    bool m_stopped = false;
};
