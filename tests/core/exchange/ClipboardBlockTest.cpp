#include "TestDoubles.h"

#include "exchange/ClipboardBlock.h"
#include "grid/GridListCtrl.h"

#include <gtest/gtest.h>

#include <optional>
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

// Tables as spreadsheets put them on the clipboard, each cell as a browser
// shows it: LibreOffice writes one tag a line, indented, and wraps long
// cells; Gnumeric puts a caption and a style on every cell.
TEST(ClipboardBlockTest, ParseHtmlReadsTheFirstTable)
{
    const std::string libreOffice =
        R"(<!DOCTYPE HTML PUBLIC "-//W3C//DTD HTML 4.0 Transitional//EN">
<html>
<head>
	<style type="text/css">
		body,div,table,thead,tbody,tfoot,tr,th,td,p { font-family:"Liberation Sans"; font-size:x-small }
	</style>
</head>
<body>
<table cellspacing="0" border="0">
	<colgroup width="113"></colgroup>
	<colgroup span="2" width="85"></colgroup>
	<tr class="ro1">
		<td height="17" align="left">&quot;Bonjour&quot; dit-il</td>
		<td align="left">Deux<br>lignes</td>
		<td align="right" sdval="12" sdnum="1036;">12</td>
	</tr>
	<tr class="ro1">
		<td height="34" align="left">Une cellule longue que le tableur
			coupe en deux</td>
		<td align="left"><font color="#C9211E">Rouge &amp; noir</font></td>
		<td align="left"><br></td>
	</tr>
	<tr class="ro1">
		<td colspan=2 height="17" align="center">Fusion</td>
		<td align="left">a&nbsp;b</td>
	</tr>
</table>
</body>
</html>
)";
    const std::string gnumeric = R"(<html><head><title>Feuille1</title></head><body>
<p><table border="1">
<caption>Feuille1</caption>
<tr>
<td style="color:#000000;">"Bonjour" dit-il</td>
<td style="color:#000000;"><b>Lyon</b> &lt;69&gt;</td>
</tr>
<tr>
<td style="color:#000000;"></td>
<td style="color:#000000;" title="a>b">x</td>
</tr>
</table>
<p><p>
</body></html>
)";
    const struct
    {
        const char* name;
        std::string html;
        std::optional<Rows> rows;
        int columns;
    } cases[] = {
        {"LibreOffice", libreOffice,
         Rows{"\"Bonjour\" dit-il\tDeux lignes\t12",
              "Une cellule longue que le tableur coupe en deux\tRouge & noir\t",
              "Fusion\t\ta\u00A0b"},
         3},
        {"Gnumeric", gnumeric, Rows{"\"Bonjour\" dit-il\tLyon <69>", "\tx"}, 2},
        {"blocks and line breaks inside a cell",
         "<table><tr><td> <p>un</p><p>deux  trois</p>quatre<br><br>cinq <br></td></tr></table>",
         Rows{"un deux trois quatre  cinq"}, 1},
        {"header cells; a row without cells is none",
         "<TABLE><THEAD><TR><TH>Nom</TH></TR></THEAD><TBODY><TR></TR><TR><TD>Zoé</TBODY></TABLE>",
         Rows{"Nom", "Zoé"}, 1},
        {"only the first table; one inside a cell is its text",
         "<table><tr><td>a<table><tr><td>x</td><td>y</td></tr></table></td><td>b</td></tr>"
         "</table><table><tr><td>c</td></tr></table>",
         Rows{"a x y\tb"}, 2},
        {"character references",
         "<table><td>&#233;t&#xE9;&#32;&#128512;&#0;&#xD800;&bogus;&amp&#;&</table>",
         Rows{"été 😀\uFFFD\uFFFD&bogus;&amp&#;&"}, 1},
        {"bytes that are not UTF-8", "<table><td>\xE9t\xE9\n</table>", Rows{"\uFFFDt\uFFFD"}, 1},
        {"a '<' that starts no tag", "<table><td>a < b <3</table>", Rows{"a < b <3"}, 1},
        {"a table in a comment is none", "<!-- <table><td>non</table> --><table><td>oui</table>",
         Rows{"oui"}, 1},
        {"no table", "<p>Bonjour</p>", std::nullopt, 0},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        const std::optional<ClipboardBlock::Block> block = ClipboardBlock::ParseHtml(c.html);
        ASSERT_EQ(block.has_value(), c.rows.has_value());
        if (!block)
            continue;
        EXPECT_EQ(block->rows, *c.rows);
        EXPECT_EQ(block->columns, c.columns);
    }
}

const std::vector<std::string> kNames = {"A", "B", "C"};
const std::vector<std::vector<std::string>> kCells = {
    {"\"q\" x", "b", "a\"b"},
    {"c", " x  y "},
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
        {"whole grid", {0, 0, 2, 2}, "\"\"\"q\"\" x\"\tb\ta\"b\nc\t x  y \t\n<i>\tx & y\t\n"},
        {"inner columns", {0, 1, 1, 2}, "b\ta\"b\n x  y \t\n"},
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

// Quire's own HTML reads back to the very cells, spaces included.
TEST(ClipboardBlockTest, FormatHtmlRoundTripsThroughParseHtml)
{
    CGridListCtrl grid;
    Fill(grid, kNames, kCells);
    const std::string head = "<html><head><meta charset=\"utf-8\"></head><body>"
                             "<table style=\"white-space:pre-wrap\">";
    const std::string tail = "</table></body></html>";
    const struct
    {
        const char* name;
        CellRange range;
        std::string table;
    } cases[] = {
        {"two rows",
         {1, 1, 2, 2},
         "<tr><td> x  y </td><td></td></tr><tr><td>x &amp; y</td><td></td></tr>"},
        {"one cell", {2, 0, 2, 0}, "<tr><td>&lt;i&gt;</td></tr>"},
        {"quotes", {0, 0, 0, 0}, "<tr><td>&quot;q&quot; x</td></tr>"},
        {"empty range", {0, 1, 0, 0}, ""},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        const std::string html = ClipboardBlock::FormatHtml(
            ClipboardBlock::Parse(ClipboardBlock::FormatText(grid, c.range)));
        EXPECT_EQ(html, head + c.table + tail);
        EXPECT_EQ(ClipboardBlock::ParseHtml(html).value_or(ClipboardBlock::Block{}).rows,
                  CellsOf(grid, c.range));
    }
}

} // namespace
