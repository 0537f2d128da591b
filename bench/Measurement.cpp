#include "Measurement.h"

#include "BenchFiles.h"

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

std::string ReportLine(std::string_view op, int rows, const Measurement& measured, double peakRssMb)
{
    // A clock tick is the least an operation can take; it keeps the rate
    // finite for lists too small to measure.
    const double seconds = std::max(measured.seconds, 1e-9);
    const double mbPerSecond = static_cast<double>(measured.bytes) / 1e6 / seconds;
    char line[256];
    std::snprintf(line, sizeof line,
                  "op=%.*s rows=%d bytes=%lld seconds=%.6f mb_per_s=%.1f peak_rss_mb=%.1f",
                  static_cast<int>(op.size()), op.data(), rows, measured.bytes, measured.seconds,
                  mbPerSecond, peakRssMb);
    return line;
}
