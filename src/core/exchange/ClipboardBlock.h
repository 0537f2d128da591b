#pragma once

#include "grid/GridTypes.h"

#include <optional>
#include <string>
#include <string_view>
#include <vector>

class CGridListCtrl;

// Blocks of cells on their way between Quire and spreadsheets through the
// clipboard, as tab-separated text and as HTML.
namespace ClipboardBlock {

// True when a clipboard text is a block of cells rather than one text: it
// holds a TAB, CR or LF.
bool IsBlock(std::string_view text);

// A block read from the clipboard: each row's cells joined by TAB, every
// cell already clean (TAB, CR and LF inside a cell made one space, bytes that
// are not UTF-8 made U+FFFD), and the width of the widest row.
struct Block
{
    std::vector<std::string> rows;
    int columns = 0;
};

// Reads tab-separated text as spreadsheets put it on the clipboard: cells
// split at TAB, rows end at LF, CR LF or a lone CR. A cell that starts with a
// double quote is quoted: up to the closing quote it may hold TAB, line
// breaks and doubled quotes ("" is one "), and text after the closing quote
// up to the next TAB or line end is kept as it stands. A quote that is never
// closed leaves the cell plain text, quote included. A final line end adds
// no row, so "a\n" is one row of one cell and "a\n\n" two rows, the second
// one empty cell. An empty text is no rows.
Block Parse(std::string_view text);

// Reads the first table of an HTML text, as spreadsheets and Quire's own copy
// put a block beside the plain text, into a block of the same kind: a row
// for each <tr> holding cells, a cell for each <td> or <th>, its text as a
// browser shows it (tags dropped, runs of white space one space, each line
// break one space, character references decoded, bytes that are not UTF-8
// made U+FFFD). Unlike the plain text it keeps a line break inside a cell
// and a cell that starts with a quote. A cell spanning columns is followed
// by empty cells for them. Nothing when the text holds no table.
std::optional<Block> ParseHtml(std::string_view html);

// The block a paste brings from the clipboard's text and, beside it, its
// HTML: the table's cells when it has some, else the text's when it is a
// block; nothing for one text. A spreadsheet's table may span a cell whose
// text runs over into empty cells beyond the range copied, which the text
// leaves out: empty columns beyond the text's width are dropped.
std::optional<Block> Read(std::string_view text, std::string_view html);

// The cells of range as spreadsheets read them: cells joined by TAB, each row
// ended by LF; under a filter, the rows shown only. A cell that starts with a double quote is
// written quoted, its quotes doubled, so that Parse and spreadsheets read it back as it stands.
std::string FormatText(const CGridListCtrl& grid, const CellRange& range);

// A block as a small HTML document for rich paste, made from FormatText's
// text read back by Parse: one table, a <tr> per row and a <td> per cell,
// the text escaped. The table's style keeps white space as it stands, so
// that ParseHtml and browsers give each cell's spaces back.
std::string FormatHtml(const Block& block);

} // namespace ClipboardBlock
