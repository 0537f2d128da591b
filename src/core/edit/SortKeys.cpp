#include "edit/SortKeys.h"

#include "edit/Collation.h"
#include "edit/NumberText.h"
#include "edit/TextCase.h"
#include "grid/GridListCtrl.h"

#include <algorithm>
#include <bit>
#include <cstdint>
#include <numeric>
#include <string>
#include <string_view>

namespace {

// Where a cell goes whatever the direction: numbers, then other texts,
// then empty cells.
enum class Group : std::uint8_t
{
    Number,
    Text,
    Empty
};

// A cell's key: its group, then bytes compared as memcmp. The first eight
// bytes, read big-endian and padded with zeros, settle most comparisons in
// one integer comparison.
struct CellKey
{
    std::uint64_t prefix;
    std::size_t start; // of the whole key in the column's bytes
    std::size_t length;
    Group group;
};

std::uint64_t PrefixOf(std::string_view key)
{
    std::uint64_t prefix = 0;
    for (std::size_t i = 0; i < sizeof prefix; ++i) {
        const std::uint64_t byte = i < key.size() ? static_cast<unsigned char>(key[i]) : 0;
        prefix = (prefix << 8) | byte;
    }
    return prefix;
}

// Eight bytes that compare as the numbers do: the sign bit set for
// positive numbers, every bit turned round for negative ones.
std::uint64_t NumberBytes(double value)
{
    const auto bits = std::bit_cast<std::uint64_t>(value + 0.0); // -0 is 0
    return (bits >> 63) != 0 ? ~bits : bits | (std::uint64_t{1} << 63);
}

// The keys of one sort key's column, for the rows sorted.
class KeyColumn
{
public:
    KeyColumn(const CGridListCtrl& grid, const SortKey& key, const std::vector<int>& rows)
        : m_sign(key.ascending ? 1 : -1)
    {
        m_keys.reserve(rows.size());
        std::string bytes;
        for (const int row : rows) {
            bytes.clear();
            const Group group = MakeKey(bytes, grid.ItemTextView(row, key.column), key.order);
            m_keys.push_back({PrefixOf(bytes), m_bytes.size(), bytes.size(), group});
            m_bytes += bytes;
        }
        SkipCommonStart();
    }

    const CellKey& At(std::uint32_t k) const { return m_keys[k]; }

    // Less than, equal to or greater than zero: the group first, always in
    // the same direction, then the key in the sort's.
    int Compare(const CellKey& a, const CellKey& b) const
    {
        if (a.group != b.group)
            return a.group < b.group ? -1 : 1;
        if (a.prefix != b.prefix)
            return a.prefix < b.prefix ? -m_sign : m_sign;
        const int order = Bytes(a).compare(Bytes(b));
        return order == 0 ? 0 : (order < 0 ? -m_sign : m_sign);
    }

private:
    static Group MakeKey(std::string& out, std::string_view cell, CellOrder order)
    {
        switch (order) {
        case CellOrder::Text:
            TextCase::AppendUpper(out, cell);
            return Group::Number; // one group: the header click's order
        case CellOrder::Numeric:
            if (const auto number = ReadNumber(cell)) {
                const std::uint64_t bytes = NumberBytes(number->value);
                for (int shift = 56; shift >= 0; shift -= 8)
                    out.push_back(static_cast<char>((bytes >> shift) & 0xFF));
                return Group::Number;
            }
            [[fallthrough]];
        case CellOrder::Alphabetic:
        case CellOrder::Natural:
            if (cell.empty())
                return Group::Empty;
            Collation::AppendKey(out, cell,
                                 order == CellOrder::Natural ? Collation::Digits::ByValue
                                                             : Collation::Digits::AsText);
            return Group::Text;
        }
        return Group::Empty;
    }

    std::string_view Bytes(const CellKey& key) const
    {
        return std::string_view(m_bytes).substr(key.start, key.length);
    }

    // Keys that all start alike ("ligne…", a shared prefix of codes) would
    // leave their quick part equal and every comparison to the bytes: what
    // they share is left out of the comparisons.
    void SkipCommonStart()
    {
        if (m_keys.empty())
            return;
        const std::string_view first = Bytes(m_keys.front());
        std::size_t common = first.size();
        for (const CellKey& key : m_keys) {
            const std::string_view bytes = Bytes(key);
            const std::size_t most = std::min(common, bytes.size());
            common = static_cast<std::size_t>(
                std::mismatch(first.begin(), first.begin() + static_cast<std::ptrdiff_t>(most),
                              bytes.begin())
                    .first -
                first.begin());
            if (common == 0)
                return;
        }
        for (CellKey& key : m_keys) {
            key.start += common;
            key.length -= common;
            key.prefix = PrefixOf(Bytes(key));
        }
    }

    int m_sign;
    std::vector<CellKey> m_keys;
    std::string m_bytes;
};

// One row as the sort moves it, carrying its first key's quick part so
// that most comparisons touch nothing else.
struct SortItem
{
    std::uint64_t prefix;
    std::uint32_t index; // among the rows sorted
    Group group;
};

} // namespace

std::vector<int> SortOrderByKeys(const CGridListCtrl& grid, const std::vector<SortKey>& keys,
                                 const std::vector<int>& rows)
{
    const bool columnsExist = std::all_of(keys.begin(), keys.end(), [&](const SortKey& key) {
        return key.column >= 0 && key.column < grid.GetColumnCount();
    });
    if (rows.size() < 2 || keys.empty() || !columnsExist)
        return {};
    std::vector<KeyColumn> columns;
    columns.reserve(keys.size());
    for (const SortKey& key : keys)
        columns.emplace_back(grid, key, rows);

    std::vector<SortItem> items(rows.size());
    for (std::uint32_t k = 0; k < items.size(); ++k) {
        const CellKey& first = columns.front().At(k);
        items[k] = {first.prefix, k, first.group};
    }
    const int sign = keys.front().ascending ? 1 : -1;
    // Ties end on the rows' own order, which makes the sort stable.
    std::sort(items.begin(), items.end(), [&](const SortItem& a, const SortItem& b) {
        if (a.group != b.group)
            return a.group < b.group;
        if (a.prefix != b.prefix)
            return (a.prefix < b.prefix) == (sign > 0);
        for (const KeyColumn& column : columns) {
            if (const int order = column.Compare(column.At(a.index), column.At(b.index)))
                return order < 0;
        }
        return a.index < b.index;
    });

    std::vector<int> order(static_cast<std::size_t>(grid.GetItemCount()));
    std::iota(order.begin(), order.end(), 0);
    for (std::size_t k = 0; k < items.size(); ++k)
        order[rows[k]] = rows[items[k].index];
    return order;
}
