#include "grid/PackedRow.h"

#include "grid/CellText.h"
#include "memory/RowBlocks.h"

#include <algorithm>
#include <cstring>
#include <vector>

namespace {

std::string_view TrimTrailingTabs(std::string_view joined)
{
    while (!joined.empty() && joined.back() == '\t')
        joined.remove_suffix(1);
    return joined;
}

// Start offset and length of column within joined; npos when not stored.
std::pair<std::size_t, std::size_t> Locate(std::string_view joined, int column)
{
    std::size_t start = 0;
    for (int c = 0; c < column; ++c) {
        const std::size_t tab = joined.find('\t', start);
        if (tab == std::string_view::npos)
            return {std::string_view::npos, 0};
        start = tab + 1;
    }
    const std::size_t end = joined.find('\t', start);
    return {start, (end == std::string_view::npos ? joined.size() : end) - start};
}

std::vector<std::string_view> Split(std::string_view joined)
{
    std::vector<std::string_view> cells;
    if (joined.empty())
        return cells;
    std::size_t start = 0;
    for (;;) {
        const std::size_t tab = joined.find('\t', start);
        if (tab == std::string_view::npos) {
            cells.push_back(joined.substr(start));
            return cells;
        }
        cells.push_back(joined.substr(start, tab - start));
        start = tab + 1;
    }
}

PackedRow Join(const std::vector<std::string_view>& cells, std::uint32_t origin)
{
    RowBuilder builder;
    for (const std::string_view cell : cells)
        builder.AddCleanCell(cell);
    return builder.Take(origin);
}

} // namespace

PackedRow PackedRow::Allocate(std::size_t bytes, Home home)
{
    PackedRow row;
    if (home == Home::Heap || bytes > RowBlocks::kLargestRow)
        row.m_data = reinterpret_cast<std::uintptr_t>(new char[bytes]) | kOwnAllocation;
    else
        row.m_data = reinterpret_cast<std::uintptr_t>(RowBlocks::Allocate(bytes));
    return row;
}

void PackedRow::Release() noexcept
{
    if (m_data & kOwnAllocation)
        delete[] Data();
    else if (m_data)
        RowBlocks::Release(Data());
    m_data = 0;
}

char* PackedRow::Begin(PackedRow& row, std::size_t capacity, Home home)
{
    row = Allocate(kHeaderSize + capacity, home);
    return row.Data() + kHeaderSize;
}

void PackedRow::Finish(PackedRow& row, std::size_t length, std::uint32_t origin)
{
    char* const data = row.Data();
    while (length > 0 && data[kHeaderSize + length - 1] == '\t')
        --length;
    const bool inBlock = !(row.m_data & kOwnAllocation);
    if (length == 0 && origin == 0) {
        if (inBlock)
            RowBlocks::Shrink(data, 0);
        row.Release();
        return;
    }
    const auto stored = static_cast<std::uint32_t>(length);
    std::memcpy(data, &stored, sizeof stored);
    std::memcpy(data + sizeof stored, &origin, sizeof origin);
    if (inBlock)
        RowBlocks::Shrink(data, kHeaderSize + length);
}

PackedRow PackedRow::FromJoined(std::string_view joined, std::uint32_t origin, Home home)
{
    joined = TrimTrailingTabs(joined);
    PackedRow row;
    if (joined.empty() && origin == 0)
        return row;
    char* const text = Begin(row, joined.size(), home);
    // An empty row kept for its origin may come from a view of nothing.
    if (!joined.empty())
        std::memcpy(text, joined.data(), joined.size());
    Finish(row, joined.size(), origin);
    return row;
}

std::string_view PackedRow::Joined() const
{
    if (!m_data)
        return {};
    std::uint32_t length = 0;
    std::memcpy(&length, Data(), sizeof length);
    return {Data() + kHeaderSize, length};
}

std::uint32_t PackedRow::Origin() const
{
    std::uint32_t origin = 0;
    if (m_data)
        std::memcpy(&origin, Data() + sizeof(std::uint32_t), sizeof origin);
    return origin;
}

void PackedRow::SetOrigin(std::uint32_t origin)
{
    if (m_data)
        std::memcpy(Data() + sizeof(std::uint32_t), &origin, sizeof origin);
    else if (origin != 0)
        *this = FromJoined({}, origin);
}

std::string_view PackedRow::Cell(int column) const
{
    const std::string_view joined = Joined();
    const auto [start, length] = Locate(joined, column);
    if (start == std::string_view::npos)
        return {};
    return joined.substr(start, length);
}

PackedRow PackedRow::WithCell(int column, std::string_view cleanText) const
{
    std::vector<std::string_view> cells = Split(Joined());
    if (static_cast<int>(cells.size()) <= column) {
        if (cleanText.empty())
            return Clone();
        cells.resize(column + 1);
    }
    cells[column] = cleanText;
    return Join(cells, Origin());
}

PackedRow PackedRow::WithColumnsInserted(int column, int count) const
{
    std::vector<std::string_view> cells = Split(Joined());
    if (static_cast<int>(cells.size()) <= column)
        return Clone();
    cells.insert(cells.begin() + column, count, std::string_view());
    return Join(cells, Origin());
}

PackedRow PackedRow::WithColumnRemoved(int column) const
{
    std::vector<std::string_view> cells = Split(Joined());
    if (static_cast<int>(cells.size()) <= column)
        return Clone();
    cells.erase(cells.begin() + column);
    return Join(cells, Origin());
}

PackedRow PackedRow::WithCellsKept(int count) const
{
    const std::string_view joined = Joined();
    std::size_t end = 0;
    for (int c = 0; c < count; ++c) {
        end = joined.find('\t', c == 0 ? 0 : end + 1);
        if (end == std::string_view::npos)
            return Clone();
    }
    return FromJoined(joined.substr(0, end), Origin());
}

void PackedRow::TakeCell(int column, std::string& cells)
{
    const std::string_view joined = Joined();
    const auto [start, length] = Locate(joined, column);
    if (start == std::string_view::npos)
        return;
    cells.append(joined.substr(start, length));
    const std::size_t end = start + length;
    std::string rest;
    if (end < joined.size()) {
        rest.assign(joined.substr(0, start));
        rest.append(joined.substr(end + 1));
    } else {
        rest.assign(joined.substr(0, start == 0 ? 0 : start - 1));
    }
    *this = FromJoined(rest, Origin());
}

void PackedRow::InsertCell(int column, std::string_view cleanText)
{
    const std::string_view joined = Joined();
    const std::size_t start = Locate(joined, column).first;
    if (start == std::string_view::npos) {
        if (cleanText.empty())
            return;
        const auto stored = static_cast<int>(
            joined.empty() ? 0 : std::count(joined.begin(), joined.end(), '\t') + 1);
        RowBuilder builder;
        builder.AddCleanCells(joined, stored);
        while (builder.CellCount() < column)
            builder.AddCleanCell({});
        builder.AddCleanCell(cleanText);
        *this = builder.Take(Origin());
        return;
    }
    std::string row(joined.substr(0, start));
    row.append(cleanText);
    row.push_back('\t');
    row.append(joined.substr(start));
    *this = FromJoined(row, Origin());
}

void RowBuilder::AddCell(std::string_view text)
{
    if (m_cells++ > 0)
        m_joined.push_back('\t');
    CellText::AppendClean(m_joined, text);
}

void RowBuilder::AddCleanCell(std::string_view cleanText)
{
    if (m_cells++ > 0)
        m_joined.push_back('\t');
    m_joined.append(cleanText);
}

void RowBuilder::AddCleanCells(std::string_view joined, int count)
{
    if (count <= 0)
        return;
    if (m_cells > 0)
        m_joined.push_back('\t');
    m_joined.append(joined);
    m_cells += count;
}

void RowBuilder::KeepCells(int count)
{
    if (m_cells <= count)
        return;
    std::size_t cut = 0;
    for (int c = 0; c < count; ++c)
        cut = m_joined.find('\t', cut) + 1;
    m_joined.resize(cut == 0 ? 0 : cut - 1);
    m_cells = count;
}

PackedRow RowBuilder::Take(std::uint32_t origin, PackedRow::Home home)
{
    PackedRow row = PackedRow::FromJoined(m_joined, origin, home);
    m_joined.clear();
    m_cells = 0;
    return row;
}
