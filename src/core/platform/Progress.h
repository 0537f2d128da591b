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
        }
    }

private:
    IProgress& m_progress;
    int m_last = 0;
};
