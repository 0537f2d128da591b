#include "edit/TextMatch.h"

#include "edit/TextCase.h"
#include "grid/PackedRow.h"
#include "resources/StringTable.h"

#include <algorithm>

namespace {

std::size_t CharacterLength(std::string_view text, std::size_t at)
{
    const auto lead = static_cast<unsigned char>(text[at]);
    const std::size_t length = lead < 0x80 ? 1 : lead >= 0xF0 ? 4 : lead >= 0xE0 ? 3 : 2;
    return std::min(length, text.size() - at);
}

// Upper-casing keeps the count of characters but not always their length
// in bytes ("ı" is two bytes, its "I" one), so a position in the compared
// text is found in the cell by counting characters. Positions are asked
// for in increasing order, which keeps the walk linear.
class OffsetWalker
{
public:
    OffsetWalker(std::string_view compared, std::string_view cell)
        : m_compared(compared), m_cell(cell),
          m_bSame(compared.data() == cell.data() || TextCase::IsAscii(cell))
    {
    }

    std::size_t CellOffset(std::size_t comparedOffset)
    {
        if (m_bSame)
            return comparedOffset;
        while (m_nCompared < comparedOffset && m_nCell < m_cell.size()) {
            m_nCompared += CharacterLength(m_compared, m_nCompared);
            m_nCell += CharacterLength(m_cell, m_nCell);
        }
        return m_nCell;
    }

private:
    std::string_view m_compared;
    std::string_view m_cell;
    bool m_bSame;
    std::size_t m_nCompared = 0;
    std::size_t m_nCell = 0;
};

} // namespace

CTextMatcher::CTextMatcher(std::string_view text, bool matchCase, bool wholeCell, bool regex)
    : m_bMatchCase(matchCase), m_bWholeCell(wholeCell)
{
    if (!regex) {
        m_text = matchCase ? std::string(text) : TextCase::Upper(text);
        return;
    }
    m_pattern.emplace(text, matchCase, wholeCell);
    m_failure = m_pattern->Problem();
}

std::string_view CTextMatcher::Compared(std::string_view cell) const
{
    if (m_bMatchCase)
        return cell;
    m_upper.clear();
    TextCase::AppendUpper(m_upper, cell);
    return m_upper;
}

bool CTextMatcher::Matches(std::string_view cell) const
{
    if (m_pattern)
        return MatchesPattern(cell);
    const std::string_view compared = Compared(cell);
    if (m_bWholeCell)
        return compared == m_text;
    return compared.find(m_text) != std::string_view::npos;
}

bool CTextMatcher::MatchesJoined(std::string_view joined, int columns) const
{
    if (!m_pattern && !m_bWholeCell && m_text.find('\t') == std::string::npos)
        return Matches(joined) && !(m_text.empty() && columns == 0);
    CellCursor cursor(joined);
    for (int column = 0; column < columns && !Failed(); ++column) {
        if (Matches(cursor.Next()))
            return true;
    }
    return false;
}

bool CTextMatcher::Replace(std::string_view cell, std::string_view replacement,
                           std::string& out) const
{
    if (m_pattern)
        return ReplacePattern(cell, replacement, out);
    if (!Matches(cell))
        return false;
    out.clear();
    if (m_bWholeCell) {
        out.assign(replacement);
        return true;
    }
    if (m_text.empty()) {
        out.assign(cell);
        return true;
    }
    const std::string_view compared = m_bMatchCase ? cell : std::string_view(m_upper);
    OffsetWalker walker(compared, cell);
    std::size_t done = 0; // bytes of cell copied or replaced so far
    for (std::size_t found = compared.find(m_text); found != std::string_view::npos;
         found = compared.find(m_text, found + m_text.size())) {
        const std::size_t start = walker.CellOffset(found);
        const std::size_t end = walker.CellOffset(found + m_text.size());
        out.append(cell.substr(done, start - done));
        out.append(replacement);
        done = end;
    }
    out.append(cell.substr(done));
    return true;
}

bool CTextMatcher::MatchesPattern(std::string_view cell) const
{
    return !Failed() && Found(m_pattern->Find(cell, 0));
}

bool CTextMatcher::ReplacePattern(std::string_view cell, std::string_view replacement,
                                  std::string& out) const
{
    return !Failed() && Found(m_pattern->Replace(cell, replacement, out));
}

bool CTextMatcher::Found(CPattern::Match match) const
{
    if (match == CPattern::Match::TooCostly)
        m_failure = QString::fromUtf8(Strings::kPatternTooCostly);
    return match == CPattern::Match::Found;
}
