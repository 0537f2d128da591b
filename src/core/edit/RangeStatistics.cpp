#include "edit/RangeStatistics.h"

#include "edit/NumberText.h"
#include "grid/GridListCtrl.h"
#include "grid/PackedRow.h"
#include "resources/StringTable.h"

#include <algorithm>
#include <cmath>

namespace {

// A sum that keeps the low digits a plain double sum loses over millions
// of terms (compensated, after Neumaier).
class CompensatedSum
{
public:
    void Add(double value)
    {
        const double total = m_sum + value;
        if (std::abs(m_sum) >= std::abs(value))
            m_compensation += (m_sum - total) + value;
        else
            m_compensation += (value - total) + m_sum;
        m_sum = total;
    }
    double Value() const { return m_sum + m_compensation; }

private:
    double m_sum = 0;
    double m_compensation = 0;
};

// Numbers are shown with at most this many decimals.
constexpr int kMostDecimals = 10;

} // namespace

std::optional<RangeStatistics> ComputeRangeStatistics(const CGridListCtrl& grid)
{
    const CGridSelection& cursor = grid.Cursor();
    if (!cursor.HasCurrentCell() || !cursor.HasRange())
        return std::nullopt;
    const CellRange range = cursor.Range();
    const CShownRows& shown = grid.Shown();
    RangeStatistics statistics;
    CompensatedSum sum;
    const int end = shown.FirstShownFrom(range.bottom + 1);
    for (int at = shown.FirstShownFrom(range.top); at < end; ++at) {
        CellCursor cells(grid.JoinedRowView(shown.ListRow(at)));
        for (int column = 0; column < range.left; ++column)
            cells.Next();
        for (int column = range.left; column <= range.right; ++column) {
            const std::optional<CellNumber> number = ReadNumber(cells.Next());
            if (!number)
                continue;
            ++statistics.count;
            sum.Add(number->value);
            statistics.decimals = std::max(statistics.decimals, number->decimals);
        }
    }
    statistics.sum = sum.Value();
    return statistics;
}

QString RangeStatisticsText(const RangeStatistics& statistics)
{
    const int decimals = std::min(statistics.decimals, kMostDecimals);
    QString text = QString::fromUtf8(Strings::kStatisticsCount)
                       .arg(FrenchNumber(static_cast<double>(statistics.count), 0));
    if (statistics.count == 0)
        return text;
    const double mean = statistics.sum / static_cast<double>(statistics.count);
    return text + QString::fromUtf8(Strings::kStatisticsSumAndMean)
                      .arg(FrenchNumber(statistics.sum, decimals),
                           FrenchNumber(mean, std::max(decimals, 1)));
}
