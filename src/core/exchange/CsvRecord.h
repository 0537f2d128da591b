#pragma once

#include <cstdint>
#include <string>
#include <string_view>
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
        return std::string_view(m_text).substr(start, m_ends[i] - start);
    }
    // The fields joined by TAB: a grid row as it stands when IsClean.
    std::string_view Joined() const { return m_text; }
    // True when no field holds a TAB, CR or LF of its own.
    bool IsClean() const { return m_clean; }

    void Clear()
    {
        m_text.clear();
        m_ends.clear();
        m_clean = false;
    }
    void SetClean(bool clean) { m_clean = clean; }
    // Starts a new, empty field; Append adds to the newest one.
    void StartField()
    {
        if (!m_ends.empty())
            m_text.push_back('\t');
        m_ends.push_back(static_cast<std::uint32_t>(m_text.size()));
    }
    void Append(std::string_view text)
    {
        m_text.append(text);
        m_ends.back() = static_cast<std::uint32_t>(m_text.size());
    }
    void Append(char c)
    {
        m_text.push_back(c);
        m_ends.back() = static_cast<std::uint32_t>(m_text.size());
    }
    // Forgets the newest field, as if it had never been started.
    void DropLastField()
    {
        m_ends.pop_back();
        m_text.resize(m_ends.empty() ? 0 : m_ends.back());
    }
    void AddField(std::string_view text)
    {
        StartField();
        Append(text);
    }

private:
    std::string m_text;
    std::vector<std::uint32_t> m_ends;
    bool m_clean = false;
};
