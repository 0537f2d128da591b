#include "grid/ShownRows.h"

#include "grid/GridListCtrl.h"

#include <algorithm>
#include <numeric>

int CShownRows::Count() const
{
    return m_bFiltering ? static_cast<int>(m_rows.size()) : m_grid.GetItemCount();
}

int CShownRows::ListRow(int shown) const
{
    if (shown < 0 || shown >= Count())
        return -1;
    return m_bFiltering ? m_rows[static_cast<std::size_t>(shown)] : shown;
}

int CShownRows::ShownIndex(int row) const
{
    if (row < 0 || row >= m_grid.GetItemCount())
        return -1;
    if (!m_bFiltering)
        return row;
    const auto found = std::lower_bound(m_rows.begin(), m_rows.end(), row);
    return found != m_rows.end() && *found == row ? static_cast<int>(found - m_rows.begin()) : -1;
}

int CShownRows::FirstShownFrom(int row) const
{
    if (!m_bFiltering)
        return std::clamp(row, 0, Count());
    return static_cast<int>(std::lower_bound(m_rows.begin(), m_rows.end(), row) - m_rows.begin());
}

int CShownRows::NearestShown(int row) const
{
    return ListRow(std::min(FirstShownFrom(row), Count() - 1));
}

std::vector<int> CShownRows::RowsIn(int first, int last) const
{
    first = std::max(first, 0);
    last = std::min(last, m_grid.GetItemCount() - 1);
    if (last < first)
        return {};
    if (!m_bFiltering) {
        std::vector<int> rows(static_cast<std::size_t>(last - first + 1));
        std::iota(rows.begin(), rows.end(), first);
        return rows;
    }
    return {std::lower_bound(m_rows.begin(), m_rows.end(), first),
            std::upper_bound(m_rows.begin(), m_rows.end(), last)};
}

void CShownRows::Show(std::vector<int> rows)
{
    m_rows = std::move(rows);
    m_bFiltering = true;
}

void CShownRows::ShowAll()
{
    m_rows = {};
    m_bFiltering = false;
}

void CShownRows::Inserted(int first, int count)
{
    if (!m_bFiltering)
        return;
    const auto from = std::lower_bound(m_rows.begin(), m_rows.end(), first);
    std::for_each(from, m_rows.end(), [count](int& row) { row += count; });
    std::vector<int> added(static_cast<std::size_t>(count));
    std::iota(added.begin(), added.end(), first);
    m_rows.insert(from, added.begin(), added.end());
}

void CShownRows::Removed(int first, int count)
{
    if (!m_bFiltering)
        return;
    const auto from = std::lower_bound(m_rows.begin(), m_rows.end(), first);
    const auto to = std::lower_bound(from, m_rows.end(), first + count);
    std::for_each(to, m_rows.end(), [count](int& row) { row -= count; });
    m_rows.erase(from, to);
}

void CShownRows::RemovedSet(const std::vector<int>& rows)
{
    if (!m_bFiltering)
        return;
    std::size_t gone = 0;
    std::size_t kept = 0;
    for (const int row : m_rows) {
        while (gone < rows.size() && rows[gone] < row)
            ++gone;
        if (gone < rows.size() && rows[gone] == row)
            continue;
        m_rows[kept++] = row - static_cast<int>(gone);
    }
    m_rows.resize(kept);
}

// A row that stayed moves down by the rows that came in at or before its
// new place; the rows that came in are shown.
void CShownRows::InsertedSet(const std::vector<int>& rows)
{
    if (!m_bFiltering)
        return;
    std::size_t before = 0;
    for (int& row : m_rows) {
        while (before < rows.size() && rows[before] <= row + static_cast<int>(before))
            ++before;
        row += static_cast<int>(before);
    }
    std::vector<int> merged(m_rows.size() + rows.size());
    std::merge(m_rows.begin(), m_rows.end(), rows.begin(), rows.end(), merged.begin());
    m_rows = std::move(merged);
}

void CShownRows::Moved(int from, int landing)
{
    if (!m_bFiltering || from == landing)
        return;
    const bool shown = IsShown(from);
    Removed(from, 1);
    const auto at = std::lower_bound(m_rows.begin(), m_rows.end(), landing);
    std::for_each(at, m_rows.end(), [](int& row) { ++row; });
    if (shown)
        m_rows.insert(at, landing);
}

void CShownRows::Permuted(const std::vector<int>& order)
{
    if (!m_bFiltering)
        return;
    std::vector<bool> wasShown(order.size());
    for (const int row : m_rows)
        wasShown[static_cast<std::size_t>(row)] = true;
    m_rows.clear();
    for (std::size_t k = 0; k < order.size(); ++k) {
        if (wasShown[static_cast<std::size_t>(order[k])])
            m_rows.push_back(static_cast<int>(k));
    }
}
