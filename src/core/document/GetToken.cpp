#include "document/GetToken.h"

std::string_view GetToken(std::string_view text, int index, std::string_view delimiters)
{
    if (index < 0)
        return {};
    std::size_t pos = 0;
    for (int found = 0;; ++found) {
        const std::size_t start = text.find_first_not_of(delimiters, pos);
        if (start == std::string_view::npos)
            return {};
        const std::size_t end = text.find_first_of(delimiters, start);
        const std::size_t stop = end == std::string_view::npos ? text.size() : end;
        if (found == index)
            return text.substr(start, stop - start);
        pos = stop;
    }
}

bool CTokenSplitter::Next(std::string_view& token)
{
    while (m_pos < m_text.size() && m_text[m_pos] == m_delimiter)
        ++m_pos;
    if (m_pos >= m_text.size())
        return false;
    const std::size_t end = m_text.find(m_delimiter, m_pos);
    const std::size_t stop = end == std::string_view::npos ? m_text.size() : end;
    token = m_text.substr(m_pos, stop - m_pos);
    m_pos = stop;
    return true;
}
