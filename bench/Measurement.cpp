#include "Measurement.h"

#include "BenchFiles.h"

#include <QFile>
#include <QFileInfo>

#include <sys/resource.h>

#include <algorithm>
#include <cstdio>

long long FileSize(const QString& path)
{
    const QFileInfo info(path);
    Require(info.isFile(), "missing file " + path.toStdString());
    return info.size();
}

double PeakRssMb()
{
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    // Linux counts ru_maxrss in KiB.
    return static_cast<double>(usage.ru_maxrss) / 1024.0;
}

namespace {

// A "Name:   1234 kB" line of /proc/self/status, in MB; 0 when missing.
double StatusMb(const char* name)
{
    QFile status(QStringLiteral("/proc/self/status"));
    if (!status.open(QIODevice::ReadOnly | QIODevice::Text))
        return 0.0;
    const QByteArray prefix = QByteArray(name) + ':';
    for (QByteArray line = status.readLine(); !line.isEmpty(); line = status.readLine()) {
        if (line.startsWith(prefix))
            return line.mid(prefix.size()).trimmed().split(' ').front().toDouble() / 1024.0;
    }
    return 0.0;
}

} // namespace

// Writing 5 to clear_refs starts the kernel's resident peak (VmHWM) afresh.
RssWatch::RssWatch()
{
    QFile clearRefs(QStringLiteral("/proc/self/clear_refs"));
    if (clearRefs.open(QIODevice::WriteOnly))
        clearRefs.write("5");
    m_startMb = StatusMb("VmRSS");
}

double RssWatch::ExtraMb() const
{
    return std::max(StatusMb("VmHWM") - m_startMb, 0.0);
}

std::string ReportLine(std::string_view op, int rows, const Measurement& measured, double peakRssMb)
{
    // A clock tick is the least an operation can take; it keeps the rate
    // finite for lists too small to measure.
    const double seconds = std::max(measured.seconds, 1e-9);
    const double mbPerSecond = static_cast<double>(measured.bytes) / 1e6 / seconds;
    char line[256];
    std::snprintf(line, sizeof line,
                  "op=%.*s rows=%d bytes=%lld seconds=%.6f mb_per_s=%.1f peak_rss_mb=%.1f",
                  static_cast<int>(op.size()), op.data(), measured.rows > 0 ? measured.rows : rows,
                  measured.bytes, measured.seconds, mbPerSecond, peakRssMb);
    std::string report = line;
    if (measured.extraMb >= 0.0) {
        std::snprintf(line, sizeof line, " extra_mb=%.1f", measured.extraMb);
        report += line;
    }
    if (measured.threads > 0)
        report += " threads=" + std::to_string(measured.threads);
    if (measured.longestPause >= 0.0) {
        std::snprintf(line, sizeof line, " longest_pause_s=%.3f", measured.longestPause);
        report += line;
    }
    return report;
}
