#include "edit/RangeStatistics.h"

#include "edit/NumberText.h"
#include "grid/GridListCtrl.h"
#include "grid/PackedRow.h"
#include "resources/StringTable.h"

#include <algorithm>
#include <cmath>
#include <limits>

namespace {

// Numbers are shown with at most this many decimals.
constexpr int kMostDecimals = 10;

} // namespace

CStatisticsCount::CStatisticsCount(const CGridListCtrl& grid) : m_grid(grid)
{
    const CGridSelection& cursor = grid.Cursor();
    m_bRange = cursor.HasCurrentCell() && cursor.HasRange();
    if (!m_bRange)
        return;
    m_range = cursor.Range();
    m_nNext = grid.Shown().FirstShownFrom(m_range.top);
    m_nEnd = grid.Shown().FirstShownFrom(m_range.bottom + 1);
}

bool CStatisticsCount::CountRows(int rows)
{
    const CShownRows& shown = m_grid.Shown();
    const int end = m_nEnd - m_nNext > rows ? m_nNext + rows : m_nEnd;
    for (; m_nNext < end; ++m_nNext) {
        CellCursor cells(m_grid.JoinedRowView(shown.ListRow(m_nNext)));
        for (int column = 0; column < m_range.left; ++column)
            cells.Next();
        for (int column = m_range.left; column <= m_range.right; ++column) {
            const std::optional<CellNumber> number = ReadNumber(cells.Next());
            if (!number)
                continue;
            ++m_statistics.count;
            m_statistics.decimals = std::max(m_statistics.decimals, number->decimals);
            const double total = m_sum + number->value;
            if (std::abs(m_sum) >= std::abs(number->value))
                m_compensation += (m_sum - total) + number->value;
            else
                m_compensation += (number->value - total) + m_sum;
            m_sum = total;
        }
    }
    return m_nNext >= m_nEnd;
}

RangeStatistics CStatisticsCount::Result() const
{
    RangeStatistics statistics = m_statistics;
    statistics.sum = m_sum + m_compensation;
    return statistics;
}

std::optional<RangeStatistics> ComputeRangeStatistics(const CGridListCtrl& grid)
{
    CStatisticsCount count(grid);
    if (!count.HasRange())
        return std::nullopt;
    count.CountRows(std::numeric_limits<int>::max());
    return count.Result();
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
