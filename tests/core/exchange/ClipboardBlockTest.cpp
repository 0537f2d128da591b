#include "TestDoubles.h"

#include "exchange/ClipboardBlock.h"
#include "grid/GridListCtrl.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

using namespace std::string_literals;

namespace {

using Rows = std::vector<std::string>;

struct ParseCase
{
    const char* name;
    std::string text;
    Rows rows;
    int columns;
};

void ExpectParsed(const std::vector<ParseCase>& cases)
{
    for (const ParseCase& c : cases) {
        SCOPED_TRACE(c.name);
        const ClipboardBlock::Block block = ClipboardBlock::Parse(c.text);
        EXPECT_EQ(block.rows, c.rows);
        EXPECT_EQ(block.columns, c.columns);
    }
}

TEST(ClipboardBlockTest, BlockIsTextWithTabOrLineBreak)
{
    const struct
    {
        std::string text;
        bool block;
    } cases[] = {
        {"", false}, {"one cell", false}, {"a\tb", true}, {"a\r", true}, {"a\nb", true},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.text);
        EXPECT_EQ(ClipboardBlock::IsBlock(c.text), c.block);
    }
}

TEST(ClipboardBlockTest, ParseSplitsRowsAndCells)
{
    ExpectParsed({
        {"spreadsheet copy", "ÉCOLE\tx1\tx2\nligne2\ty\n", {"ÉCOLE\tx1\tx2", "ligne2\ty"}, 3},
        {"CR LF", "a\tb\r\nc\r\n", {"a\tb", "c"}, 2},
        {"lone CR", "a\rb", {"a", "b"}, 1},
        {"CR LF alone", "\r\n", {""}, 1},
        {"no final line end", "a\tb", {"a\tb"}, 2},
        {"blank line inside", "a\n\nb\n", {"a", "", "b"}, 1},
        {"blank line at the end", "a\n\n", {"a", ""}, 1},
        {"empty cell at row end", "a\t\nb\n", {"a\t", "b"}, 2},
        {"empty text", "", {}, 0},
    });
}

TEST(ClipboardBlockTest, ParseReadsQuotedCells)
{
    ExpectParsed({
        {"tab, break and quotes", "\"a\tb\nc \"\"q\"\"\"\tz\n", {"a b c \"q\"\tz"}, 2},
        {"CR LF inside is one space", "\"a\r\nb\"", {"a b"}, 1},
        {"empty quoted cell", "\"\"\tb", {"\tb"}, 2},
        {"text after closing quote", "\"a\"b\"c\td", {"ab\"c\td"}, 2},
        {"quote inside a cell is text", "a\"b\tc", {"a\"b\tc"}, 2},
        {"unclosed", "x\t\"a\tb\nc", {"x\t\"a\tb", "c"}, 3},
        {"quoted cell after an unclosed one", "\"a\t\"\"\"\"x\n", {"\"a\t\"x"}, 2},
    });
}

TEST(ClipboardBlockTest, ParseMakesEachCellUtf8)
{
    ExpectParsed({
        {"plain cells", "\xE9t\xE9\tok\n", {"\uFFFDt\uFFFD\tok"}, 2},
        {"cut sequence before a tab", "a\xC3\tb", {"a\uFFFD\tb"}, 2},
        {"quoted cell", "\"\xC3\nx\"", {"\uFFFD x"}, 1},
    });
}

const std::vector<std::string> kNames = {"A", "B", "C"};
const std::vector<std::vector<std::string>> kCells = {
    {"\"q\" x", "b", "a\"b"},
    {"c"},
    {"<i>", "x & y", ""},
};

// The cells of range as Parse should give them back, read one by one.
Rows CellsOf(const CGridListCtrl& grid, const CellRange& range)
{
    Rows rows;
    for (int row = range.top; row < range.top + range.RowCount(); ++row) {
        std::string joined;
        for (int column = range.left; column <= range.right; ++column)
            joined += (column > range.left ? "\t" : "") + grid.GetItemText(row, column);
        rows.push_back(joined);
    }
    return rows;
}

TEST(ClipboardBlockTest, FormatTextRoundTripsThroughParse)
{
    CGridListCtrl grid;
    Fill(grid, kNames, kCells);
    const struct
    {
        const char* name;
        CellRange range;
        std::string text;
    } cases[] = {
        {"whole grid", {0, 0, 2, 2}, "\"\"\"q\"\" x\"\tb\ta\"b\nc\t\t\n<i>\tx & y\t\n"},
        {"inner columns", {0, 1, 1, 2}, "b\ta\"b\n\t\n"},
        {"one cell", {2, 1, 2, 1}, "x & y\n"},
        {"empty range", {1, 2, 1, 1}, ""},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        const std::string text = ClipboardBlock::FormatText(grid, c.range);
        EXPECT_EQ(text, c.text);
        EXPECT_EQ(ClipboardBlock::Parse(text).rows, CellsOf(grid, c.range));
    }
}

TEST(ClipboardBlockTest, FormatHtmlEscapesEachCellInItsOwnTag)
{
    CGridListCtrl grid;
    Fill(grid, kNames, kCells);
    const std::string head = "<html><head><meta charset=\"utf-8\"></head><body><table>";
    const std::string tail = "</table></body></html>";
    const struct
    {
        const char* name;
        CellRange range;
        std::string table;
    } cases[] = {
        {"two rows",
         {1, 1, 2, 2},
         "<tr><td></td><td></td></tr><tr><td>x &amp; y</td><td></td></tr>"},
        {"one cell", {2, 0, 2, 0}, "<tr><td>&lt;i&gt;</td></tr>"},
        {"quotes", {0, 0, 0, 0}, "<tr><td>&quot;q&quot; x</td></tr>"},
        {"empty range", {0, 1, 0, 0}, ""},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(ClipboardBlock::FormatHtml(grid, c.range), head + c.table + tail);
    }
}

} // namespace
