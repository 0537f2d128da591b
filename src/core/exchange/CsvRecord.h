#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

// The fields of one CSV record, kept end to end in one buffer so that a
// million records do not cost ten million strings.
class CsvRecord
{
public:
    std::size_t size() const { return m_ends.size(); }
    bool empty() const { return m_ends.empty(); }
    std::string_view operator[](std::size_t i) const
    {
        const std::uint32_t start = i == 0 ? 0 : m_ends[i - 1];
        return std::string_view(m_text).substr(start, m_ends[i] - start);
    }
    // Every field's text, one after the other.
    std::string_view Text() const { return m_text; }

    void Clear()
    {
        m_text.clear();
        m_ends.clear();
    }
    // Starts a new, empty field; Append adds to the newest one.
    void StartField() { m_ends.push_back(static_cast<std::uint32_t>(m_text.size())); }
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
    void AddField(std::string_view text)
    {
        StartField();
        Append(text);
    }

private:
    std::string m_text;
    std::vector<std::uint32_t> m_ends;
};
