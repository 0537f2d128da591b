#pragma once

#include "grid/GridTypes.h"

#include <optional>
#include <string>
#include <string_view>

class CGridListCtrl;
class CTablewrightDoc;

// The commands that act on the cursor's range: the cells between the anchor
// and the current cell, or the current cell alone. Each change is one step.
namespace GridCommands {

// The cells the clipboard and Delete act on; empty with no current cell.
CellRange TargetRange(const CGridListCtrl& grid);

// The range as the clipboard carries it to spreadsheets: tab-separated
// text, from which the HTML table for rich paste is made when asked for
// (ClipboardBlock::FormatHtml).
std::string RangeText(const CGridListCtrl& grid);

// Empties every cell of the range, as the Delete key or a cut.
enum class Emptying
{
    Clear,
    Cut
};
void EmptyRange(CTablewrightDoc& doc, Emptying emptying);

// Stores one text into every cell of the range: Ctrl+Enter in the editor,
// or a paste of one text over a range.
enum class Filling
{
    Edit,
    Paste
};
void FillRange(CTablewrightDoc& doc, std::string_view text, Filling filling);

// Pastes the clipboard's text, or the HTML table beside it when there is
// one with cells: spreadsheets and Quire's own copy put both, and only the
// table tells a line break inside a cell from the end of a row, or keeps a
// cell that starts with a quote. A block of several cells (from the table,
// or a text holding a TAB or a line break, read as spreadsheets write it)
// lands with its top left on the range's top left; rows are appended and
// columns added where it does not fit, and the pasted cells become the
// range; a list without rows takes it from its first cell. One text (or a
// table of one cell) fills a range, or goes into the current cell alone;
// then it is returned, for the cell editor to show what the cell now holds.
std::optional<std::string> Paste(CTablewrightDoc& doc, std::string_view text,
                                 std::string_view html = {});

} // namespace GridCommands
