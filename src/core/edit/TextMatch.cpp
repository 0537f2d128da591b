#include "edit/TextMatch.h"

#include "edit/TextCase.h"
#include "edit/Utf8.h"
#include "grid/PackedRow.h"
#include "io/ByteScan.h"
#include "resources/StringTable.h"

#include <QChar>

#include <algorithm>
#include <vector>

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

// The characters beyond ASCII whose upper case is an ASCII letter ("ı" is
// "I", "ſ" is "S"), in UTF-8: a text holding none of them matches an ASCII
// search exactly where its ASCII letters do, whatever its other characters.
const std::vector<std::string>& AsciiUpperedCharacters()
{
    static const std::vector<std::string> characters = [] {
        std::vector<std::string> found;
        for (char32_t code = 0x80; code < 0x110000; ++code) {
            if (QChar::toUpper(code) < 0x80) {
                found.emplace_back();
                Utf8::Append(found.back(), code);
            }
        }
        return found;
    }();
    return characters;
}

char UpperAscii(char c)
{
    return c >= 'a' && c <= 'z' ? static_cast<char>(c - 'a' + 'A') : c;
}

} // namespace

// Horspool's search over the text's bytes, each raised to upper case on
// the way: no copy of the text is made.
CTextMatcher::AsciiFinder::AsciiFinder(std::string_view upperText) : m_text(upperText)
{
    m_skip.fill(m_text.size());
    for (std::size_t i = 0; i + 1 < m_text.size(); ++i) {
        const auto upper = static_cast<unsigned char>(m_text[i]);
        const std::size_t skip = m_text.size() - 1 - i;
        m_skip[upper] = skip;
        if (upper >= 'A' && upper <= 'Z')
            m_skip[upper - 'A' + 'a'] = skip;
    }
    m_hasLetters =
        std::any_of(m_text.begin(), m_text.end(), [](char c) { return c >= 'A' && c <= 'Z'; });
}

std::size_t CTextMatcher::AsciiFinder::Find(std::string_view text, std::size_t from) const
{
    if (!m_hasLetters)
        return text.find(m_text, from);
    const std::size_t length = m_text.size();
    for (std::size_t end = from + length; end <= text.size();) {
        std::size_t i = length;
        while (i > 0 && UpperAscii(text[end - length + i - 1]) == m_text[i - 1])
            --i;
        if (i == 0)
            return end - length;
        end += m_skip[static_cast<unsigned char>(text[end - 1])];
    }
    return std::string_view::npos;
}

bool CTextMatcher::AsciiFinderFits(std::string_view text) const
{
    if (!m_asciiFinder)
        return false;
    if (TextCase::IsAscii(text))
        return true;
    for (const std::string& character : AsciiUpperedCharacters()) {
        if (text.find(character) != std::string_view::npos)
            return false;
    }
    return true;
}

bool CTextMatcher::Contains(std::string_view text) const
{
    return AsciiFinderFits(text) ? m_asciiFinder->In(text) : Matches(text);
}

CTextMatcher::CTextMatcher(std::string_view text, bool matchCase, bool wholeCell, bool regex)
    : m_bMatchCase(matchCase), m_bWholeCell(wholeCell)
{
    if (!regex) {
        m_text = matchCase ? std::string(text) : TextCase::Upper(text);
        if (!matchCase && !wholeCell && !m_text.empty() && TextCase::IsAscii(m_text))
            m_asciiFinder.emplace(m_text);
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
        return Contains(joined) && !(m_text.empty() && columns == 0);
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
    if (AsciiFinderFits(cell))
        return ReplaceAscii(cell, replacement, out);
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

bool CTextMatcher::ReplaceAscii(std::string_view cell, std::string_view replacement,
                                std::string& out) const
{
    std::size_t found = m_asciiFinder->Find(cell, 0);
    if (found == std::string_view::npos)
        return false;
    out.clear();
    std::size_t done = 0;
    for (; found != std::string_view::npos; found = m_asciiFinder->Find(cell, done)) {
        out.append(cell.substr(done, found - done));
        out.append(replacement);
        done = found + m_asciiFinder->Size();
    }
    out.append(cell.substr(done));
    return true;
}

CTextMatcher::RowReplace CTextMatcher::ReplaceInRow(std::string_view joined, int columns,
                                                    std::string_view replacement,
                                                    std::string& out) const
{
    if (!m_asciiFinder || m_text.find('\t') != std::string::npos || !AsciiFinderFits(joined))
        return RowReplace::CellByCell;
    if (!ReplaceAscii(joined, replacement, out))
        return RowReplace::NotFound;
    // Rare: a row with cells beyond the columns, where none is searched.
    static const CByteScan tabs(std::string_view("\t"));
    if (tabs.Count(joined) >= static_cast<std::size_t>(std::max(columns, 0)))
        return RowReplace::CellByCell;
    return RowReplace::Replaced;
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
