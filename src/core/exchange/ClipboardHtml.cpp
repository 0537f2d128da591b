// The HTML side of the clipboard: the first table of an HTML text read as a
// block of cells, each cell's text as a browser shows it.
#include "exchange/ClipboardBlock.h"

#include "grid/CellText.h"

#include <QString>

#include <algorithm>
#include <string>
#include <utility>

namespace ClipboardBlock {

namespace {

// Browsers take no wider span than this, whatever a table says.
constexpr int kMaxColumnSpan = 1000;
constexpr char32_t kBeyondUnicode = 0x110000;

bool IsHtmlSpace(char c)
{
    return c == ' ' || c == '\t' || c == '\n' || c == '\r' || c == '\f';
}

bool IsAsciiLetter(char c)
{
    return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z');
}

char AsciiLower(char c)
{
    return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
}

bool StartsWithNoCase(std::string_view text, std::string_view prefix)
{
    return text.size() >= prefix.size() &&
           std::ranges::equal(text.substr(0, prefix.size()), prefix,
                              [](char a, char b) { return AsciiLower(a) == AsciiLower(b); });
}

std::size_t SkipSpaces(std::string_view text, std::size_t pos)
{
    while (pos < text.size() && IsHtmlSpace(text[pos]))
        ++pos;
    return pos;
}

// The digit c stands for in base 10 or 16; -1 when it is none.
int DigitValue(char c, int base)
{
    if (c >= '0' && c <= '9')
        return c - '0';
    const char lower = AsciiLower(c);
    if (base == 16 && lower >= 'a' && lower <= 'f')
        return lower - 'a' + 10;
    return -1;
}

// The text of the named references spreadsheets write; null for any other.
const char* NamedCharacter(std::string_view name)
{
    static constexpr std::pair<std::string_view, const char*> kNames[] = {
        {"amp", "&"}, {"lt", "<"}, {"gt", ">"}, {"quot", "\""}, {"apos", "'"}, {"nbsp", "\u00A0"},
    };
    for (const auto& [entity, text] : kNames) {
        if (entity == name)
            return text;
    }
    return nullptr;
}

// The value of an attribute, read from pos just past its '=': quoted, or up
// to the next white space. Leaves pos after it.
std::string_view ReadValue(std::string_view attributes, std::size_t& pos)
{
    pos = SkipSpaces(attributes, pos);
    const char quote = pos < attributes.size() ? attributes[pos] : '\0';
    if (quote != '"' && quote != '\'') {
        const std::size_t start = pos;
        while (pos < attributes.size() && !IsHtmlSpace(attributes[pos]))
            ++pos;
        return attributes.substr(start, pos - start);
    }
    const std::size_t end = std::min(attributes.find(quote, pos + 1), attributes.size());
    const std::string_view value = attributes.substr(pos + 1, end - pos - 1);
    pos = end + 1;
    return value;
}

// The value of the attribute called name (in lower case) among a tag's
// attributes, as written; empty when the tag has none or it has no value.
std::string_view AttributeValue(std::string_view attributes, std::string_view name)
{
    std::size_t pos = 0;
    while (pos < attributes.size()) {
        pos = SkipSpaces(attributes, pos);
        const std::size_t start = pos;
        while (pos < attributes.size() && !IsHtmlSpace(attributes[pos]) && attributes[pos] != '=')
            ++pos;
        const std::string_view attribute = attributes.substr(start, pos - start);
        pos = SkipSpaces(attributes, pos);
        std::string_view value;
        if (pos < attributes.size() && attributes[pos] == '=') {
            ++pos;
            value = ReadValue(attributes, pos);
        }
        if (attribute.size() == name.size() && StartsWithNoCase(attribute, name))
            return value;
    }
    return {};
}

// How many columns a cell spans: its colspan, 1 when it has none or one
// that is not a number.
int ColumnSpan(std::string_view attributes)
{
    const std::string_view value = AttributeValue(attributes, "colspan");
    int span = 0;
    for (std::size_t i = SkipSpaces(value, 0); i < value.size() && DigitValue(value[i], 10) >= 0;
         ++i)
        span = std::min(span * 10 + DigitValue(value[i], 10), kMaxColumnSpan);
    return std::max(span, 1);
}

// True when a tag's style keeps the white space of its text as written
// (white-space: pre or pre-wrap), as Quire's own copy asks so that a cell's
// leading, trailing and doubled spaces come back.
bool KeepsSpaces(std::string_view attributes)
{
    constexpr std::string_view kProperty = "white-space";
    const std::string_view style = AttributeValue(attributes, "style");
    for (std::size_t at = 0; at < style.size(); ++at) {
        if (!StartsWithNoCase(style.substr(at), kProperty))
            continue;
        const std::size_t colon = SkipSpaces(style, at + kProperty.size());
        if (colon >= style.size() || style[colon] != ':')
            continue;
        const std::string_view value = style.substr(SkipSpaces(style, colon + 1));
        return StartsWithNoCase(value, "pre") && !StartsWithNoCase(value, "pre-line");
    }
    return false;
}

// Elements that stand on lines of their own: inside a cell, the text on
// either side of one is on another line.
bool StartsLine(std::string_view name)
{
    static constexpr std::string_view kBlocks[] = {
        "address", "blockquote", "caption", "center", "dd", "div", "dl", "dt",
        "h1",      "h2",         "h3",      "h4",     "h5", "h6",  "hr", "li",
        "ol",      "p",          "pre",     "table",  "td", "th",  "tr", "ul"};
    return std::ranges::find(kBlocks, name) != std::ranges::end(kBlocks);
}

// A cell's text as a browser lays it out, each line break made one space
// as the grid's cleaning does. A run of white space is one space, and none
// at the start or end of a line; a <br> ends a line, and so does the edge
// of a paragraph or other block that has text before it. Line breaks count
// only before more text: a cell holding only "<br>" is empty, as it looks.
// Text whose style keeps its white space has each character taken as it
// is, but for TAB, CR and LF, which are spaces as everywhere in the grid.
class CellLayout
{
public:
    void Start(bool keepSpaces)
    {
        m_text.clear();
        m_keepSpaces = keepSpaces;
        m_breaks = 0;
        m_space = false;
        m_lineStart = true;
    }
    void Add(std::string_view text)
    {
        m_text.append(std::max<std::size_t>(m_breaks, m_space ? 1 : 0), ' ');
        m_breaks = 0;
        m_space = false;
        m_lineStart = false;
        m_text.append(text);
    }
    void Space(char c)
    {
        if (m_keepSpaces)
            Add(c == '\f' ? "\f" : " ");
        else if (!m_lineStart)
            m_space = true;
    }
    void LineBreak()
    {
        ++m_breaks;
        m_space = false;
        m_lineStart = true;
    }
    void BlockEdge()
    {
        if (!m_lineStart)
            LineBreak();
    }
    const std::string& Text() const { return m_text; }

private:
    std::string m_text;
    bool m_keepSpaces = false;
    std::size_t m_breaks = 0;
    bool m_space = false;
    bool m_lineStart = true;
};

struct Tag
{
    std::string name; // in lower case
    bool closing = false;
    std::string_view attributes;
};

// Reads the first table of an HTML text in one pass. Markup is read as a
// browser reads it (comments skipped, a '>' inside a quoted attribute
// value kept in the tag, a '<' that starts no tag taken as text), but only
// the table's rows and cells, and the lines inside a cell, count: every
// other tag is dropped, and text outside the cells too.
class HtmlTableReader
{
public:
    explicit HtmlTableReader(std::string_view html) : m_html(html) {}

    std::optional<Block> Read()
    {
        while (m_pos < m_html.size() && !m_done) {
            const std::size_t open = std::min(m_html.find('<', m_pos), m_html.size());
            AddText(m_html.substr(m_pos, open - m_pos));
            m_pos = open;
            if (m_pos < m_html.size())
                ReadMarkup();
        }
        if (m_block)
            EndRow();
        return std::move(m_block);
    }

private:
    void ReadMarkup()
    {
        const std::string_view rest = m_html.substr(m_pos);
        const bool closing = rest.size() > 2 && rest[1] == '/';
        if (rest.starts_with("<!--")) {
            const std::size_t end = m_html.find("-->", m_pos + 4);
            m_pos = end == std::string_view::npos ? m_html.size() : end + 3;
        } else if (rest.starts_with("<!") || rest.starts_with("<?")) {
            m_pos = std::min(m_html.find('>', m_pos), m_html.size() - 1) + 1;
        } else if (rest.size() > 1 && IsAsciiLetter(rest[closing ? 2 : 1])) {
            OnTag(ReadTag());
        } else {
            AddText("<");
            ++m_pos;
        }
    }

    Tag ReadTag()
    {
        Tag tag;
        std::size_t pos = m_pos + 1;
        tag.closing = m_html[pos] == '/';
        if (tag.closing)
            ++pos;
        while (pos < m_html.size() && !IsHtmlSpace(m_html[pos]) && m_html[pos] != '/' &&
               m_html[pos] != '>')
            tag.name.push_back(AsciiLower(m_html[pos++]));
        const std::size_t attributes = pos;
        // A quoted value may hold a '>'.
        bool afterEquals = false;
        for (; pos < m_html.size() && m_html[pos] != '>'; ++pos) {
            const char c = m_html[pos];
            if (c == '=') {
                afterEquals = true;
            } else if ((c == '"' || c == '\'') && afterEquals) {
                pos = std::min(m_html.find(c, pos + 1), m_html.size() - 1);
                afterEquals = false;
            } else if (!IsHtmlSpace(c)) {
                afterEquals = false;
            }
        }
        tag.attributes = m_html.substr(attributes, pos - attributes);
        m_pos = std::min(pos + 1, m_html.size());
        return tag;
    }

    void OnTag(const Tag& tag)
    {
        if (tag.name == "table")
            OnTable(tag);
        else if (m_depth == 1 && IsTablePart(tag.name))
            OnTablePart(tag);
        else if (m_cellOpen && tag.name == "br")
            m_cell.LineBreak();
        else if (m_cellOpen && StartsLine(tag.name))
            m_cell.BlockEdge();
    }

    // A table inside a cell is only more text of the cell.
    void OnTable(const Tag& tag)
    {
        if (tag.closing && m_depth == 1) {
            m_done = true;
            return;
        }
        if (tag.closing && m_depth > 1) {
            --m_depth;
        } else if (!tag.closing && m_depth++ == 0) {
            m_block.emplace();
            m_tableKeepsSpaces = KeepsSpaces(tag.attributes);
        }
        if (m_cellOpen)
            m_cell.BlockEdge();
    }

    static bool IsTablePart(std::string_view name)
    {
        return name == "td" || name == "th" || name == "tr" || name == "thead" || name == "tbody" ||
               name == "tfoot";
    }

    void OnTablePart(const Tag& tag)
    {
        const bool cell = tag.name == "td" || tag.name == "th";
        if (!cell)
            EndRow();
        else
            EndCell();
        if (cell && !tag.closing)
            StartCell(tag.attributes);
    }

    void StartCell(std::string_view attributes)
    {
        m_cellOpen = true;
        m_span = ColumnSpan(attributes);
        m_cell.Start(m_tableKeepsSpaces || KeepsSpaces(attributes));
    }

    // A cell that spans columns is followed by an empty cell for each other
    // column it covers, so that the cells after it stay under their own
    // columns, as a spreadsheet pastes a merged cell. A cell that spans rows
    // is not followed down: the rows below would need the widths of all
    // the rows above, and such cells are seldom copied.
    void EndCell()
    {
        if (!m_cellOpen)
            return;
        m_cellOpen = false;
        if (m_cells > 0)
            m_row.push_back('\t');
        m_row.append(m_cell.Text());
        m_row.append(static_cast<std::size_t>(m_span - 1), '\t');
        m_cells += m_span;
    }

    // A row without cells is no row: a browser shows none.
    void EndRow()
    {
        EndCell();
        if (m_cells == 0)
            return;
        m_block->rows.push_back(m_row);
        m_block->columns = std::max(m_block->columns, m_cells);
        m_row.clear();
        m_cells = 0;
    }

    void AddText(std::string_view text)
    {
        if (!m_cellOpen)
            return;
        std::size_t pos = 0;
        while (pos < text.size()) {
            const char c = text[pos];
            if (IsHtmlSpace(c)) {
                // CR LF is one line end.
                pos += c == '\r' && pos + 1 < text.size() && text[pos + 1] == '\n' ? 2 : 1;
                m_cell.Space(c);
            } else if (c == '&') {
                pos = AddReference(text, pos);
            } else {
                const std::size_t end =
                    std::min(text.find_first_of(" \t\n\r\f&", pos), text.size());
                m_cell.Add(text.substr(pos, end - pos));
                pos = end;
            }
        }
    }

    // Adds what the character reference at pos stands for, or the '&' alone
    // when it is none; returns where the text goes on.
    std::size_t AddReference(std::string_view text, std::size_t pos)
    {
        const std::size_t name = pos + 1;
        if (name < text.size() && text[name] == '#')
            return AddNumericReference(text, pos);
        std::size_t end = name;
        while (end < text.size() && (IsAsciiLetter(text[end]) || DigitValue(text[end], 10) >= 0))
            ++end;
        const char* character = end < text.size() && text[end] == ';'
                                    ? NamedCharacter(text.substr(name, end - name))
                                    : nullptr;
        if (!character) {
            m_cell.Add("&");
            return name;
        }
        m_cell.Add(character);
        return end + 1;
    }

    // &#233; or &#xE9;, the semicolon optional as browsers take it.
    std::size_t AddNumericReference(std::string_view text, std::size_t pos)
    {
        const bool hex = pos + 2 < text.size() && AsciiLower(text[pos + 2]) == 'x';
        const int base = hex ? 16 : 10;
        const std::size_t digits = pos + (hex ? 3 : 2);
        std::size_t end = digits;
        char32_t value = 0;
        for (; end < text.size() && DigitValue(text[end], base) >= 0; ++end)
            value = std::min<char32_t>(value * base + DigitValue(text[end], base), kBeyondUnicode);
        if (end == digits) {
            m_cell.Add("&");
            return pos + 1;
        }
        if (end < text.size() && text[end] == ';')
            ++end;
        AddCodePoint(value);
        return end;
    }

    // A code point that is no character (NUL, a surrogate, beyond U+10FFFF)
    // is U+FFFD, as in a browser; a white space one is white space.
    void AddCodePoint(char32_t codePoint)
    {
        if (codePoint < 0x80 && IsHtmlSpace(static_cast<char>(codePoint))) {
            m_cell.Space(static_cast<char>(codePoint));
            return;
        }
        const bool surrogate = codePoint >= 0xD800 && codePoint <= 0xDFFF;
        if (codePoint == 0 || surrogate || codePoint >= kBeyondUnicode)
            codePoint = 0xFFFD;
        m_cell.Add(QString::fromUcs4(&codePoint, 1).toStdString());
    }

    std::string_view m_html;
    std::size_t m_pos = 0;
    int m_depth = 0; // of tables, the first one counted
    bool m_done = false;
    bool m_tableKeepsSpaces = false;
    bool m_cellOpen = false;
    int m_span = 1;
    int m_cells = 0;
    std::string m_row;
    CellLayout m_cell;
    std::optional<Block> m_block;
};

} // namespace

std::optional<Block> ParseHtml(std::string_view html)
{
    if (CellText::IsValidUtf8(html))
        return HtmlTableReader(html).Read();
    // A browser decodes the whole page before it reads its markup.
    const std::string repaired = CellText::Clean(html);
    return HtmlTableReader(repaired).Read();
}

} // namespace ClipboardBlock
