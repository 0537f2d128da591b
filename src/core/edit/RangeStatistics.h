#pragma once

#include <QString>

#include <cstdint>
#include <optional>

class CGridListCtrl;

// What the status bar says of a range's numbers: the cells of the range
// that read as numbers (see ReadNumber), their sum and their mean.
struct RangeStatistics
{
    std::int64_t count = 0;
    double sum = 0;
    int decimals = 0; // the most any of the numbers was written with
};

// The numbers of the cursor's range, among the rows shown; none when the
// range is one cell or there is no current cell.
std::optional<RangeStatistics> ComputeRangeStatistics(const CGridListCtrl& grid);

// "Nombre : 12 · Somme : 1 234,5 · Moyenne : 102,9", in French number
// format: the sum with as many decimals as the numbers were written with,
// the mean with at least one. Only the count when no cell is a number.
QString RangeStatisticsText(const RangeStatistics& statistics);
