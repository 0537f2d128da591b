#pragma once

#include "grid/GridTypes.h"

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

// Counts the numbers of the cursor's range, among the rows shown, a slice
// of rows at a time, so that a window can count ten million cells between
// the user's keys. The grid must not change while it counts.
class CStatisticsCount
{
public:
    explicit CStatisticsCount(const CGridListCtrl& grid);

    // False when the range is one cell or there is no current cell: there
    // is nothing to count.
    bool HasRange() const { return m_bRange; }
    // Counts up to rows more rows; true once the whole range is counted.
    bool CountRows(int rows);
    RangeStatistics Result() const;

private:
    const CGridListCtrl& m_grid;
    bool m_bRange = false;
    CellRange m_range;
    int m_nNext = 0; // among the rows shown
    int m_nEnd = 0;
    RangeStatistics m_statistics;
    // The sum, compensated (after Neumaier) for the low digits a plain sum
    // loses over millions of terms.
    double m_sum = 0;
    double m_compensation = 0;
};

// The numbers of the cursor's range counted at once; none when there is
// nothing to count.
std::optional<RangeStatistics> ComputeRangeStatistics(const CGridListCtrl& grid);

// "Nombre : 12 · Somme : 1 234,5 · Moyenne : 102,9", in French number
// format: the sum with as many decimals as the numbers were written with,
// the mean with at least one. Only the count when no cell is a number.
QString RangeStatisticsText(const RangeStatistics& statistics);
