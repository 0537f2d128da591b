#pragma once

#include "grid/PackedRow.h"

#include <algorithm>
#include <cstdint>
#include <cstring>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

// The fields of one CSV record, kept in one buffer joined by TAB, the way
// the grid keeps a row, so that a million records neither cost ten million
// strings nor need their fields copied one by one.
class CsvRecord
{
public:
    std::size_t size() const { return m_ends.size(); }
    bool empty() const { return m_ends.empty(); }
    std::string_view operator[](std::size_t i) const
    {
        const std::uint32_t start = i == 0 ? 0 : m_ends[i - 1] + 1;
        return Joined().substr(start, m_ends[i] - start);
    }
    // The fields joined by TAB: a grid row as it stands when IsClean.
    std::string_view Joined() const
    {
        return std::string_view(m_rowText ? m_rowText : m_text.data(), m_size);
    }
    // True when no field holds a TAB, CR or LF of its own.
    bool IsClean() const { return m_clean; }

    // The buffer keeps its size from record to record: a record is written
    // over the last one's bytes without clearing them first.
    void Clear()
    {
        if (m_rowText) {
            // A row begun and not taken gives its room back at once.
            PackedRow::Finish(m_row, 0);
            m_rowText = nullptr;
        }
        m_size = 0;
        m_ends.clear();
        m_clean = false;
    }
    void SetClean(bool clean) { m_clean = clean; }
    // Starts a new, empty field; Append adds to the newest one.
    void StartField()
    {
        if (!m_ends.empty()) {
            *Room(1) = '\t';
            ++m_size;
        }
        m_ends.push_back(static_cast<std::uint32_t>(m_size));
    }
    void Append(std::string_view text)
    {
        std::memcpy(Room(text.size()), text.data(), text.size());
        m_size += text.size();
        m_ends.back() = static_cast<std::uint32_t>(m_size);
    }
    void Append(char c)
    {
        *Room(1) = c;
        ++m_size;
        m_ends.back() = static_cast<std::uint32_t>(m_size);
    }
    // Forgets the newest field, as if it had never been started.
    void DropLastField()
    {
        m_ends.pop_back();
        m_size = m_ends.empty() ? 0 : m_ends.back();
    }
    void AddField(std::string_view text)
    {
        StartField();
        Append(text);
    }

    // For a reader that writes fields itself: room for bytes more after the
    // text, which it fills, then ends each field with EndFieldAt (the TAB
    // between fields written by the reader).
    char* Room(std::size_t bytes)
    {
        if (m_text.size() < m_size + bytes)
            m_text.resize(std::max(m_size + bytes, 2 * m_text.size()));
        return m_text.data() + m_size;
    }
    void EndFieldAt(std::size_t end)
    {
        m_size = end;
        m_ends.push_back(static_cast<std::uint32_t>(end));
    }

    // A reader of rows has each whole line it can split written straight
    // into a row of the row blocks, saving the copy from record to row.
    void ReadIntoRows(bool intoRows) { m_intoRows = intoRows; }
    // Room for a whole line's fields, in the record's buffer or, when it is
    // read into rows, in a row begun for it. Nothing else may take room in
    // the row blocks on this thread before the record is taken or cleared.
    char* LineRoom(std::size_t bytes)
    {
        if (!m_intoRows)
            return Room(bytes);
        m_rowText = PackedRow::Begin(m_row, bytes);
        return m_rowText;
    }
    // True when the record stands in a row, which TakeRow hands out.
    bool HoldsRow() const { return m_rowText != nullptr; }
    PackedRow TakeRow(std::uint32_t origin)
    {
        PackedRow::Finish(m_row, m_size, origin);
        m_rowText = nullptr;
        m_size = 0;
        m_ends.clear();
        return std::move(m_row);
    }

private:
    std::string m_text;
    std::size_t m_size = 0;
    std::vector<std::uint32_t> m_ends;
    bool m_clean = false;
    bool m_intoRows = false;
    PackedRow m_row;
    char* m_rowText = nullptr;
};
