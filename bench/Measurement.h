#pragma once

#include <QString>

#include <algorithm>
#include <chrono>
#include <string>
#include <string_view>
#include <utility>

// What one timed operation moved: the size of the file it read or wrote and
// the wall time it took.
struct Measurement
{
    long long bytes = 0;
    double seconds = 0.0;
    // Memory the operation took beyond what the process held before it, in
    // MB; negative when not measured.
    double extraMb = -1.0;
    // The threads a reader used, 0 when not told; the rows of the list when
    // the operation made its own, 0 for the generated list's.
    int threads = 0;
    int rows = 0;
    // For an operation a window waits on: the longest it went without
    // reporting progress, when the window repaints, in seconds; negative
    // when not measured.
    double longestPause = -1.0;
};

// Watches the resident memory from its construction on: ExtraMb is the
// peak since then less the resident size at the start.
class RssWatch
{
public:
    RssWatch();
    double ExtraMb() const;

private:
    double m_startMb = 0.0;
};

// Wall time since construction, on a clock that never jumps.
class Stopwatch
{
public:
    double Seconds() const
    {
        return std::chrono::duration<double>(std::chrono::steady_clock::now() - m_start).count();
    }

private:
    std::chrono::steady_clock::time_point m_start = std::chrono::steady_clock::now();
};

// The longest time between two calls to Report, from construction or the
// last TakeLongest on.
class PauseWatch
{
public:
    void Report()
    {
        m_longest = std::max(m_longest, m_sinceReport.Seconds());
        m_sinceReport = Stopwatch();
    }
    double TakeLongest()
    {
        Report();
        return std::exchange(m_longest, 0.0);
    }

private:
    Stopwatch m_sinceReport;
    double m_longest = 0.0;
};

// The size of the file at path; the operation that made or read it must
// have left it there.
long long FileSize(const QString& path);

// The largest resident set this process has had so far, in MB.
double PeakRssMb();

// "op=NAME rows=N bytes=B seconds=S mb_per_s=X peak_rss_mb=M", followed by
// " extra_mb=E", " threads=T" and " longest_pause_s=P" when the operation
// measured them.
std::string ReportLine(std::string_view op, int rows, const Measurement& measured,
                       double peakRssMb);
