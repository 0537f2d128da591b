#include "GridInvariants.h"

#include "FuzzSupport.h"

#include "grid/GridListCtrl.h"

#include <algorithm>

namespace Fuzz {

namespace {

constexpr long long kRoundTripCells = 1'000'000;

// What a lead byte says of the sequence it starts.
struct LeadByte
{
    int length = 0; // 0: not a lead byte
    char32_t bits = 0;
    char32_t smallest = 0; // anything below is an overlong form
};

LeadByte ReadLead(unsigned char byte)
{
    if ((byte & 0xE0) == 0xC0)
        return {2, byte & 0x1Fu, 0x80};
    if ((byte & 0xF0) == 0xE0)
        return {3, byte & 0x0Fu, 0x800};
    if ((byte & 0xF8) == 0xF0)
        return {4, byte & 0x07u, 0x10000};
    return {};
}

bool IsScalarValue(char32_t code)
{
    return code <= 0x10FFFF && (code < 0xD800 || code > 0xDFFF);
}

// The length of the well-formed sequence at the start of text, 0 if none.
std::size_t SequenceLength(std::string_view text)
{
    const auto lead = static_cast<unsigned char>(text.front());
    if (lead < 0x80)
        return 1;
    const LeadByte info = ReadLead(lead);
    const auto length = static_cast<std::size_t>(info.length);
    if (length == 0 || text.size() < length)
        return 0;
    char32_t code = info.bits;
    for (std::size_t i = 1; i < length; ++i) {
        const auto next = static_cast<unsigned char>(text[i]);
        if ((next & 0xC0) != 0x80)
            return 0;
        code = (code << 6) | (next & 0x3Fu);
    }
    return code >= info.smallest && IsScalarValue(code) ? length : 0;
}

std::string Where(int row, int column)
{
    return "row " + std::to_string(row) + ", column " + std::to_string(column);
}

void CheckCellText(std::string_view text, const std::string& where)
{
    if (!IsStrictUtf8(text))
        Fail("text is not valid UTF-8", where + ": " + Quoted(text));
    if (text.find_first_of("\t\r\n") != std::string_view::npos)
        Fail("text holds a TAB, CR or LF", where + ": " + Quoted(text));
}

std::string CellDifference(std::string_view saved, std::string_view reloaded, int row, int column)
{
    if (saved == reloaded)
        return {};
    return "cell " + Where(row, column) + ": " + Quoted(saved) + " became " + Quoted(reloaded);
}

std::string ColumnDifference(const CGridListCtrl& saved, const CGridListCtrl& reloaded)
{
    if (saved.GetColumnCount() != reloaded.GetColumnCount())
        return std::to_string(saved.GetColumnCount()) + " columns became " +
               std::to_string(reloaded.GetColumnCount());
    for (int c = 0; c < saved.GetColumnCount(); ++c) {
        const std::string name = saved.GetColumnName(c);
        if (name != reloaded.GetColumnName(c))
            return "name of column " + std::to_string(c) + ": " + Quoted(name) + " became " +
                   Quoted(reloaded.GetColumnName(c));
        if (saved.GetColumnWidth(c) != reloaded.GetColumnWidth(c))
            return "width of column " + std::to_string(c) + ": " +
                   std::to_string(saved.GetColumnWidth(c)) + " became " +
                   std::to_string(reloaded.GetColumnWidth(c));
    }
    return {};
}

// Rows are compared as the grid keeps them, their cells joined by TAB
// without the empty ones at the end: the cost follows what the rows hold,
// not the number of columns.
std::string RowDifference(const CGridListCtrl& first, const CGridListCtrl& second, int row)
{
    const std::string_view firstRow = first.JoinedRowView(row);
    const std::string_view secondRow = second.JoinedRowView(row);
    if (firstRow == secondRow)
        return {};
    CellCursor firstCells(firstRow);
    CellCursor secondCells(secondRow);
    for (int c = 0;; ++c) {
        std::string difference = CellDifference(firstCells.Next(), secondCells.Next(), row, c);
        if (!difference.empty())
            return difference;
    }
}

std::string RowsDifference(const CGridListCtrl& first, const CGridListCtrl& second, int rows)
{
    for (int r = 0; r < rows; ++r) {
        std::string difference = RowDifference(first, second, r);
        if (!difference.empty())
            return difference;
    }
    return {};
}

std::string FirstDifferentByte(const std::string& first, const std::string& second)
{
    const auto mismatch = std::mismatch(first.begin(), first.end(), second.begin(), second.end());
    const auto at = static_cast<std::size_t>(mismatch.first - first.begin());
    const std::size_t from = at < 16 ? 0 : at - 16;
    return "sizes " + std::to_string(first.size()) + " and " + std::to_string(second.size()) +
           ", first difference at byte " + std::to_string(at) + ": " +
           Quoted(std::string_view(first).substr(from)) + " and " +
           Quoted(std::string_view(second).substr(from));
}

// Saves the list at path and returns the bytes saved.
std::string Save(const CGridListCtrl& grid, const QString& path)
{
    WriteList(grid, path);
    return ReadFile(path);
}

// The mark only says how the rest is encoded: whether that rest is read as
// UTF-8 or as Windows-1252, the list must be the one it gives alone.
void CheckByteOrderMarkIgnored(std::string_view input, const QString& suffix, const Reader& read,
                               const CGridListCtrl& grid)
{
    constexpr std::string_view kByteOrderMark = "\xEF\xBB\xBF";
    if (!input.starts_with(kByteOrderMark))
        return;
    // Only the first mark is one; a second is text, which the first decides
    // how to read.
    if (input.substr(kByteOrderMark.size()).starts_with(kByteOrderMark))
        return;
    CGridListCtrl unmarked;
    read(WriteScratch(QStringLiteral("input-unmarked") + suffix,
                      input.substr(kByteOrderMark.size())),
         unmarked);
    const std::string difference = ListDifference(unmarked, grid);
    if (!difference.empty())
        Fail("a byte-order mark changed the list", difference);
}

} // namespace

bool IsStrictUtf8(std::string_view text)
{
    while (!text.empty()) {
        const std::size_t length = SequenceLength(text);
        if (length == 0)
            return false;
        text.remove_prefix(length);
    }
    return true;
}

std::string ListDifference(const CGridListCtrl& first, const CGridListCtrl& second)
{
    std::string difference = ColumnDifference(first, second);
    if (!difference.empty())
        return difference;
    if (first.GetItemCount() != second.GetItemCount())
        return std::to_string(first.GetItemCount()) + " rows became " +
               std::to_string(second.GetItemCount());
    return RowsDifference(first, second, first.GetItemCount());
}

void CheckText(const CGridListCtrl& grid)
{
    const int columns = grid.GetColumnCount();
    for (int c = 0; c < columns; ++c)
        CheckCellText(grid.GetColumnName(c), "name of column " + std::to_string(c));
    for (int r = 0; r < grid.GetItemCount(); ++r) {
        // The row as stored: its cells, TAB between them, the empty ones at
        // the end left out. Checked whole, it costs what it holds.
        const std::string_view row = grid.JoinedRowView(r);
        if (!IsStrictUtf8(row))
            Fail("text is not valid UTF-8", "row " + std::to_string(r) + ": " + Quoted(row));
        if (row.find_first_of("\r\n") != std::string_view::npos)
            Fail("text holds a TAB, CR or LF", "row " + std::to_string(r) + ": " + Quoted(row));
        const auto cells = row.empty() ? 0 : std::count(row.begin(), row.end(), '\t') + 1;
        if (cells > columns)
            Fail("a row holds more cells than there are columns",
                 Where(r, columns) + ": " + Quoted(row));
    }
}

void CheckRoundTrip(CGridListCtrl& grid)
{
    // A saved list writes every empty cell: a few kilobytes of names
    // records and rows can make a file of millions of cells, whose saving
    // costs what its size does. The tests check lists that large; here the
    // time goes to more inputs.
    if (static_cast<long long>(grid.GetItemCount()) * grid.GetColumnCount() > kRoundTripCells)
        return;
    // The reader ends every list with one empty row: the list gets it before
    // it is saved, so that reloading must give back exactly the same list.
    const int rows = grid.GetItemCount();
    if (rows == 0 || !grid.JoinedRowView(rows - 1).empty())
        grid.InsertItem(rows, {});
    // Rows without columns hold nothing: they are saved as records without
    // fields, which add no row, so such a list comes back as its one row.
    if (grid.GetColumnCount() == 0) {
        grid.DeleteAllItems();
        grid.InsertItem(0, {});
    }
    const QString firstPath = ScratchPath(QStringLiteral("saved.tbw"));
    const std::string first = Save(grid, firstPath);
    CGridListCtrl reloaded;
    if (!ReadList(firstPath, reloaded))
        Fail("a saved list cannot be read to its end");
    const std::string difference = ListDifference(grid, reloaded);
    if (!difference.empty())
        Fail("the list changed when saved and reloaded", difference);
    const std::string second = Save(reloaded, ScratchPath(QStringLiteral("saved-again.tbw")));
    if (first != second)
        Fail("the list saved again gives another file", FirstDifferentByte(first, second));
}

void CheckList(CGridListCtrl& grid)
{
    CheckText(grid);
    CheckRoundTrip(grid);
}

int CheckReader(std::string_view input, const QString& suffix, const Reader& read)
{
    try {
        CGridListCtrl grid;
        read(WriteScratch(QStringLiteral("input") + suffix, input), grid);
        CheckByteOrderMarkIgnored(input, suffix, read, grid);
        CheckList(grid);
        return 0;
    } catch (const KnownFault&) {
        return -1;
    }
}

} // namespace Fuzz
