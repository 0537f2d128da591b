#include "exchange/ClipboardBlock.h"

#include "exchange/HtmlExporter.h"
#include "grid/CellText.h"
#include "grid/GridListCtrl.h"

#include <algorithm>
#include <cstdint>
#include <cstring>

namespace ClipboardBlock {

namespace {

constexpr char kQuote = '"';

bool IsLineBreak(char c)
{
    return c == '\r' || c == '\n';
}

bool EndsCell(char c)
{
    return c == '\t' || IsLineBreak(c);
}

// Where the plain cell at pos ends: at the next TAB, CR or LF, or at the end
// of the text. All three lie below 0x0E and nearly every byte of a cell above
// it, so the scan passes eight bytes at a time while none is lower.
std::size_t CellEnd(std::string_view text, std::size_t pos)
{
    constexpr std::uint64_t kOnes = 0x0101010101010101ULL;
    constexpr std::uint64_t kHighBits = 0x8080808080808080ULL;
    for (; pos + 8 <= text.size(); pos += 8) {
        std::uint64_t word;
        std::memcpy(&word, text.data() + pos, 8);
        if ((word - kOnes * 0x0E) & ~word & kHighBits)
            break;
    }
    while (pos < text.size() && !EndsCell(text[pos]))
        ++pos;
    return pos;
}

// Where the quoted cell opened at open closes, or npos. A failed search runs
// to the end of the text, but only once: it leaves every later quote paired
// with its neighbour, so a later cell that opens with a quote closes at the
// end of its run of quotes and a clipboard full of stray quotes stays linear.
std::size_t FindClosingQuote(std::string_view text, std::size_t open)
{
    std::size_t quote = text.find(kQuote, open + 1);
    while (quote != std::string_view::npos && quote + 1 < text.size() && text[quote + 1] == kQuote)
        quote = text.find(kQuote, quote + 2);
    return quote;
}

// Appends the inside of a quoted cell, whose quotes all come doubled, with
// each pair made one quote and its breaks made spaces. A CR LF pair never
// straddles a quote, so cleaning the runs between quotes one by one cleans
// the whole.
void AppendUnquoted(std::string& out, std::string_view quoted)
{
    for (std::size_t quote = quoted.find(kQuote); quote != std::string_view::npos;
         quote = quoted.find(kQuote)) {
        CellText::AppendClean(out, quoted.substr(0, quote + 1));
        quoted.remove_prefix(quote + 2);
    }
    CellText::AppendClean(out, quoted);
}

// Splits a clipboard text into rows of clean cells in one pass, each row
// built in one reused buffer and copied out once.
class BlockReader
{
public:
    // TAB, CR, LF and quotes are ASCII, so cells cut from valid UTF-8 are
    // valid: only a text that is not needs its cells checked one by one.
    explicit BlockReader(std::string_view text)
        : m_text(text), m_checkCells(!CellText::IsValidUtf8(text))
    {
    }

    Block Read()
    {
        Block block;
        while (m_pos < m_text.size()) {
            const int cells = ReadRow();
            block.rows.push_back(m_row);
            block.columns = std::max(block.columns, cells);
        }
        return block;
    }

private:
    // Reads the row at m_pos into m_row, leaving m_pos after its line end;
    // returns its count of cells.
    int ReadRow()
    {
        m_row.clear();
        for (int cells = 1;; ++cells) {
            ReadCell();
            if (m_pos >= m_text.size())
                return cells;
            if (m_text[m_pos] != '\t') {
                SkipLineEnd();
                return cells;
            }
            m_row.push_back('\t');
            ++m_pos;
        }
    }

    void ReadCell()
    {
        const std::size_t start = m_row.size();
        if (m_pos < m_text.size() && m_text[m_pos] == kQuote)
            ReadQuoted();
        ReadPlain();
        if (m_checkCells)
            RepairUtf8(start);
    }

    // Reads a quoted cell up to its closing quote; an unclosed one is left to
    // be read as plain text.
    void ReadQuoted()
    {
        const std::size_t close = FindClosingQuote(m_text, m_pos);
        if (close == std::string_view::npos)
            return;
        AppendUnquoted(m_row, m_text.substr(m_pos + 1, close - m_pos - 1));
        m_pos = close + 1;
    }

    void ReadPlain()
    {
        const std::size_t end = CellEnd(m_text, m_pos);
        m_row.append(m_text.substr(m_pos, end - m_pos));
        m_pos = end;
    }

    void SkipLineEnd()
    {
        const bool crLf =
            m_text[m_pos] == '\r' && m_pos + 1 < m_text.size() && m_text[m_pos + 1] == '\n';
        m_pos += crLf ? 2 : 1;
    }

    void RepairUtf8(std::size_t cellStart)
    {
        const std::string_view cell = std::string_view(m_row).substr(cellStart);
        if (!CellText::IsValidUtf8(cell))
            m_row.replace(cellStart, std::string::npos, CellText::Clean(cell));
    }

    std::string_view m_text;
    bool m_checkCells;
    std::size_t m_pos = 0;
    std::string m_row;
};

// The last row of range; above its top when range is empty, so that a loop
// from top to it does nothing.
int LastRow(const CellRange& range)
{
    return range.top + range.RowCount() - 1;
}

// Where count cells from pos end in a joined row: just past the TAB after
// the last of them, or npos when the row stores no more.
std::size_t SkipCells(std::string_view joined, std::size_t pos, int count)
{
    for (; count > 0 && pos != std::string_view::npos; --count) {
        pos = joined.find('\t', pos);
        if (pos != std::string_view::npos)
            ++pos;
    }
    return pos;
}

// The cells of a joined row within the columns of range, still joined; fewer
// when the row stores fewer, as the trailing empty ones are not stored.
std::string_view RangeCells(std::string_view joined, const CellRange& range)
{
    const std::size_t start = SkipCells(joined, 0, range.left);
    if (start == std::string_view::npos)
        return {};
    const std::size_t end = SkipCells(joined, start, range.ColumnCount());
    return joined.substr(start, end == std::string_view::npos ? end : end - 1 - start);
}

// Calls onCell(index, text) for each of count cells, given joined as
// RangeCells gives them; the missing ones are empty.
template <typename OnCell> void VisitCells(std::string_view cells, int count, OnCell onCell)
{
    CellCursor cursor(cells);
    for (int index = 0; index < count; ++index)
        onCell(index, cursor.Next());
}

// Room for the text of range, a TAB or a line feed after each cell. Whole
// rows are counted, which costs no scan of their cells: for a narrow range
// it reserves too much, but a block that large is only address space until
// written.
std::size_t EstimatedSize(const CGridListCtrl& grid, const CellRange& range)
{
    const std::vector<int> rows = grid.Shown().RowsIn(range.top, LastRow(range));
    std::size_t size = rows.size() * static_cast<std::size_t>(range.ColumnCount());
    for (const int row : rows)
        size += grid.JoinedRowView(row).size();
    return size;
}

void AppendTextCell(std::string& out, std::string_view cell)
{
    if (!cell.starts_with(kQuote)) {
        out.append(cell);
        return;
    }
    out.push_back(kQuote);
    for (const char c : cell) {
        out.push_back(c);
        if (c == kQuote)
            out.push_back(kQuote);
    }
    out.push_back(kQuote);
}

constexpr std::string_view kHtmlHead = "<html><head><meta charset=\"utf-8\"></head><body>"
                                       "<table style=\"white-space:pre-wrap\">";
constexpr std::string_view kHtmlTail = "</table></body></html>";
constexpr std::string_view kCellOpen = "<td>";
constexpr std::string_view kCellClose = "</td>";
constexpr std::string_view kRowOpen = "<tr>";
constexpr std::string_view kRowClose = "</tr>";

// Cuts a block down to width columns when every cell beyond them is empty.
// A spreadsheet's table may span a cell whose text runs over into the empty
// cells beside it, beyond the range copied, which the text leaves out.
void DropEmptyColumnsBeyond(Block& block, int width)
{
    if (width <= 0 || block.columns <= width)
        return;
    std::vector<std::string> rows;
    rows.reserve(block.rows.size());
    for (const std::string& row : block.rows) {
        // The TAB that ends the width-th cell, if the row goes beyond it.
        std::size_t end = row.find('\t');
        for (int cells = 1; cells < width && end != std::string::npos; ++cells)
            end = row.find('\t', end + 1);
        if (end != std::string::npos && row.find_first_not_of('\t', end) != std::string::npos)
            return;
        rows.push_back(row.substr(0, end));
    }
    block.rows = std::move(rows);
    block.columns = width;
}

} // namespace

bool IsBlock(std::string_view text)
{
    return CellText::NeedsCleaning(text);
}

Block Parse(std::string_view text)
{
    return BlockReader(text).Read();
}

std::string FormatText(const CGridListCtrl& grid, const CellRange& range)
{
    std::string out;
    out.reserve(EstimatedSize(grid, range));
    for (const int row : grid.Shown().RowsIn(range.top, LastRow(range))) {
        VisitCells(RangeCells(grid.JoinedRowView(row), range), range.ColumnCount(),
                   [&out](int index, std::string_view cell) {
                       if (index > 0)
                           out.push_back('\t');
                       AppendTextCell(out, cell);
                   });
        out.push_back('\n');
    }
    return out;
}

std::string FormatHtml(const Block& block)
{
    std::string out;
    std::size_t size = kHtmlHead.size() + kHtmlTail.size();
    for (const std::string& row : block.rows)
        size += row.size() + kRowOpen.size() + kRowClose.size() +
                static_cast<std::size_t>(block.columns) * (kCellOpen.size() + kCellClose.size());
    out.reserve(size);
    out.append(kHtmlHead);
    for (const std::string& row : block.rows) {
        out.append(kRowOpen);
        // Escaping leaves TAB alone, so a row's cells are escaped in one go
        // and split after: one allocation a row rather than one a cell.
        const std::string escaped = EscapeHtml(row);
        VisitCells(escaped, block.columns, [&out](int, std::string_view cell) {
            out.append(kCellOpen);
            out.append(cell);
            out.append(kCellClose);
        });
        out.append(kRowClose);
    }
    out.append(kHtmlTail);
    return out;
}

std::optional<Block> Read(std::string_view text, std::string_view html)
{
    std::optional<Block> table = ParseHtml(html);
    if (table && !table->rows.empty()) {
        DropEmptyColumnsBeyond(*table, Parse(text).columns);
        return table;
    }
    if (IsBlock(text))
        return Parse(text);
    return std::nullopt;
}

} // namespace ClipboardBlock
