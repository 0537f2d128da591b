#pragma once

#include "memory/LargeMemory.h"

#include <cstdint>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

// One grid row in one piece of memory, in a row block (see RowBlocks) or on
// its own: its cells joined by TAB, which no cell may hold. Trailing empty cells are not stored and
// an empty row read from nowhere takes no room, so a list of millions of rows costs little more
// than its text.
//
// A row read from a file it may be written back to carries its origin: the
// number its reader gave it (0 for none). Edits keep it, so that a row
// changed and changed back, moved or sorted is still known as the record it
// came from; whether its text is still that record's is for the writer to
// tell.
class PackedRow
{
public:
    PackedRow() = default;
    PackedRow(PackedRow&& other) noexcept : m_data(std::exchange(other.m_data, 0)) {}
    PackedRow& operator=(PackedRow&& other) noexcept
    {
        std::swap(m_data, other.m_data);
        return *this;
    }
    // A row moved from, as when a table of millions grows, costs no call.
    ~PackedRow()
    {
        if (m_data != 0)
            Release();
    }

    // Where a row's bytes go: a row block, for the rows a reader makes by
    // the million, or an allocation of its own, for a row an edit makes,
    // whose memory the heap reuses once the row is gone (a block keeps its
    // dead rows' room until all of its rows are gone).
    enum class Home
    {
        Heap,
        Block
    };

    // joined: cells separated by TAB, each already free of TAB, CR and LF.
    static PackedRow FromJoined(std::string_view joined, std::uint32_t origin = 0,
                                Home home = Home::Heap);
    // A row written in place, for readers that make the joined text as they
    // go: Begin gives room for up to capacity bytes of it, Finish keeps the
    // first length of them (trailing TABs trimmed).
    static char* Begin(PackedRow& row, std::size_t capacity, Home home = Home::Block);
    static void Finish(PackedRow& row, std::size_t length, std::uint32_t origin = 0);

    std::string_view Joined() const;
    std::string_view Cell(int column) const;
    std::uint32_t Origin() const;
    void SetOrigin(std::uint32_t origin);

    // Copies of the row with one cell replaced, count empty cells inserted
    // before column, or one cell removed.
    PackedRow WithCell(int column, std::string_view cleanText) const;
    PackedRow WithColumnsInserted(int column, int count) const;
    PackedRow WithColumnRemoved(int column) const;
    // The row's first count cells.
    PackedRow WithCellsKept(int count) const;
    PackedRow Clone() const { return FromJoined(Joined(), Origin()); }

    // Moving a whole column out of every row and back in, one row at a time
    // and in place. TakeCell appends the cell of column to cells (nothing
    // when the row does not store it) and drops it, moving later cells left;
    // InsertCell puts cleanText in as column, moving later cells right.
    void TakeCell(int column, std::string& cells);
    void InsertCell(int column, std::string_view cleanText);

private:
    // Rows too long for a block have an allocation of their own, marked by
    // the address's lowest bit.
    static constexpr std::uintptr_t kOwnAllocation = 1;
    static constexpr std::size_t kHeaderSize = 2 * sizeof(std::uint32_t);
    char* Data() const { return reinterpret_cast<char*>(m_data & ~kOwnAllocation); }
    static PackedRow Allocate(std::size_t bytes, Home home);
    void Release() noexcept;

    // uint32 length, uint32 origin, then the joined bytes; 0 for an empty
    // row without origin.
    std::uintptr_t m_data = 0;
};

// The rows of a list, whose table is large too.
using PackedRows = std::vector<PackedRow, LargeAllocator<PackedRow>>;

// Builds a PackedRow cell by cell, cleaning each text on the way in.
class RowBuilder
{
public:
    void AddCell(std::string_view text);
    void AddCleanCell(std::string_view cleanText);
    // Adds count cells at once, given joined by TAB and free of CR and LF.
    void AddCleanCells(std::string_view joined, int count);
    // Drops the cells after the first count.
    void KeepCells(int count);
    // The row built so far, with origin; the builder is empty afterwards.
    PackedRow Take(std::uint32_t origin = 0, PackedRow::Home home = PackedRow::Home::Heap);
    int CellCount() const { return m_cells; }

private:
    std::string m_joined;
    int m_cells = 0;
};

// Walks the cells of a joined row from left to right; past the stored cells
// every cell is empty.
class CellCursor
{
public:
    explicit CellCursor(std::string_view joined) : m_rest(joined), m_done(joined.empty()) {}
    std::string_view Next()
    {
        if (m_done)
            return {};
        const std::size_t tab = m_rest.find('\t');
        if (tab == std::string_view::npos) {
            m_done = true;
            return m_rest;
        }
        const std::string_view cell = m_rest.substr(0, tab);
        m_rest.remove_prefix(tab + 1);
        return cell;
    }

private:
    std::string_view m_rest;
    bool m_done;
};
