#include "edit/SortRows.h"

#include "edit/TextCase.h"
#include "grid/GridListCtrl.h"

#include <algorithm>
#include <cstdint>
#include <limits>
#include <numeric>
#include <string>
#include <string_view>
#include <utility>

namespace {

// One row as the sort moves it. The first eight bytes of its key, read
// big-endian and padded with zeros, settle most comparisons in a single
// integer comparison; the length settles most of the others. The sort
// exchanges these entries, never the rows, and the grid takes the final
// order in one step.
struct SortEntry
{
    std::uint64_t prefix;
    std::uint32_t length; // saturated: only lengths up to eight are read from here
    std::int32_t index;   // of the row among the rows sorted
};

constexpr std::size_t kPrefixBytes = sizeof(std::uint64_t);

std::uint64_t PrefixOf(std::string_view key)
{
    std::uint64_t prefix = 0;
    for (std::size_t i = 0; i < kPrefixBytes; ++i) {
        const std::uint64_t byte = i < key.size() ? static_cast<unsigned char>(key[i]) : 0;
        prefix = (prefix << 8) | byte;
    }
    return prefix;
}

// The keys of the rows to sort, each upper-cased once. Only what lies
// beyond a key's first eight bytes is kept apart, end to end in one
// buffer: most keys are short, and most comparisons never get that far.
class KeyTable
{
public:
    KeyTable(const CGridListCtrl& grid, int column, const std::vector<int>& rows);

    std::vector<SortEntry>& Entries() { return m_entries; }
    // Less than, equal to or greater than zero, as memcmp.
    int Compare(const SortEntry& a, const SortEntry& b) const
    {
        if (a.prefix != b.prefix)
            return a.prefix < b.prefix ? -1 : 1;
        // Equal prefixes: a key of up to eight bytes starts the other one.
        if (a.length <= kPrefixBytes || b.length <= kPrefixBytes)
            return (a.length > b.length) - (a.length < b.length);
        return Tail(a).compare(Tail(b));
    }

private:
    std::string_view Tail(const SortEntry& entry) const
    {
        const std::size_t k = entry.index;
        return std::string_view(m_tails).substr(m_tailStart[k],
                                                m_tailStart[k + 1] - m_tailStart[k]);
    }

    std::vector<SortEntry> m_entries;
    std::string m_tails;
    // The tail of the k-th row sorted starts at m_tailStart[k].
    std::vector<std::size_t> m_tailStart;
};

KeyTable::KeyTable(const CGridListCtrl& grid, int column, const std::vector<int>& rows)
{
    m_entries.reserve(rows.size());
    m_tailStart.reserve(rows.size() + 1);
    std::string key;
    for (std::size_t k = 0; k < rows.size(); ++k) {
        key.clear();
        TextCase::AppendUpper(key, grid.ItemTextView(rows[k], column));
        const auto length = static_cast<std::uint32_t>(
            std::min<std::size_t>(key.size(), std::numeric_limits<std::uint32_t>::max()));
        m_entries.push_back({PrefixOf(key), length, static_cast<std::int32_t>(k)});
        m_tailStart.push_back(m_tails.size());
        if (key.size() > kPrefixBytes)
            m_tails.append(key, kPrefixBytes);
    }
    m_tailStart.push_back(m_tails.size());
}

// The quicksort on the entries of one list. sign is 1 ascending, -1
// descending, so that "before the pivot" is one test either way.
class EntrySorter
{
public:
    EntrySorter(KeyTable& keys, bool ascending)
        : m_keys(keys), m_entries(keys.Entries()), m_sign(ascending ? 1 : -1)
    {
    }

    // The two parts a partition leaves are apart, so which one is sorted
    // first changes nothing: the smaller one is sorted by recursion and
    // the larger one by the loop, which keeps the recursion no deeper than
    // log2 of the row count, whatever the keys.
    void Sort(int lo, int hi)
    {
        while (lo < hi) {
            const auto [i, j] = Partition(lo, hi);
            if (j - lo < hi - i) {
                Sort(lo, j);
                lo = i;
            } else {
                Sort(i, hi);
                hi = j;
            }
        }
    }

private:
    int Order(const SortEntry& a, const SortEntry& b) const
    {
        return m_sign * m_keys.Compare(a, b);
    }

    // Returns where the scans stopped: entries lo..j and i..hi are still to
    // be sorted, the ones between them are in place.
    std::pair<int, int> Partition(int lo, int hi)
    {
        const SortEntry pivot = m_entries[lo + (hi - lo) / 2];
        int i = lo;
        int j = hi;
        while (i <= j) {
            while (i < hi && Order(m_entries[i], pivot) < 0)
                ++i;
            while (j > lo && Order(m_entries[j], pivot) > 0)
                --j;
            if (i > j)
                break;
            if (m_keys.Compare(m_entries[i], m_entries[j]) != 0)
                std::swap(m_entries[i], m_entries[j]);
            ++i;
            --j;
        }
        return {i, j};
    }

    KeyTable& m_keys;
    std::vector<SortEntry>& m_entries;
    int m_sign;
};

} // namespace

std::vector<int> SortOrder(const CGridListCtrl& grid, int column, bool ascending, int first,
                           int last)
{
    if (last == -1)
        last = grid.GetItemCount() - 1;
    if (first < 0 || last <= first || last >= grid.GetItemCount())
        return {};
    std::vector<int> rows(static_cast<std::size_t>(last - first + 1));
    std::iota(rows.begin(), rows.end(), first);
    return SortOrder(grid, column, ascending, rows);
}

std::vector<int> SortOrder(const CGridListCtrl& grid, int column, bool ascending,
                           const std::vector<int>& rows)
{
    if (rows.size() < 2 || column < 0 || column >= grid.GetColumnCount())
        return {};
    KeyTable keys(grid, column, rows);
    EntrySorter(keys, ascending).Sort(0, static_cast<int>(rows.size()) - 1);
    std::vector<int> order(static_cast<std::size_t>(grid.GetItemCount()));
    std::iota(order.begin(), order.end(), 0);
    const std::vector<SortEntry>& entries = keys.Entries();
    for (std::size_t k = 0; k < entries.size(); ++k)
        order[rows[k]] = rows[entries[k].index];
    return order;
}

bool SortRows(CGridListCtrl& grid, int column, bool ascending, int first, int last)
{
    const std::vector<int> order = SortOrder(grid, column, ascending, first, last);
    if (order.empty())
        return false;
    if (!std::is_sorted(order.begin(), order.end()))
        grid.PermuteRows(order);
    return true;
}
