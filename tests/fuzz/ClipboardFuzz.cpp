// Any text on the clipboard, read as tab-separated text or as HTML, must give
// a block of clean cells, and a block pasted into a list must copy out as the
// same cells, as text and as HTML.
#include "FuzzSupport.h"

#include "TestDoubles.h"
#include "edit/RangeCommands.h"
#include "exchange/ClipboardBlock.h"
#include "grid/CellText.h"
#include "grid/PackedRow.h"

#include <algorithm>
#include <optional>
#include <string>
#include <vector>

namespace {

// The block's cells row by row, each row as wide as the block.
std::vector<std::string> Cells(const ClipboardBlock::Block& block)
{
    std::vector<std::string> cells;
    for (const std::string& row : block.rows) {
        CellCursor cursor(row);
        for (int column = 0; column < block.columns; ++column)
            cells.emplace_back(cursor.Next());
    }
    return cells;
}

void CheckCleanRows(const ClipboardBlock::Block& block)
{
    for (const std::string& row : block.rows) {
        if (row.find_first_of("\r\n") != std::string::npos)
            Fuzz::Fail("a pasted row holds a line break", Fuzz::Quoted(row));
        if (!CellText::IsValidUtf8(row))
            Fuzz::Fail("a pasted row is not valid UTF-8", Fuzz::Quoted(row));
        if (static_cast<int>(std::count(row.begin(), row.end(), '\t')) >= block.columns)
            Fuzz::Fail("a pasted row is wider than its block", Fuzz::Quoted(row));
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const std::string_view text = Fuzz::Bytes(data, size);
    if (const std::optional<ClipboardBlock::Block> table = ClipboardBlock::ParseHtml(text))
        CheckCleanRows(*table);
    const ClipboardBlock::Block block = ClipboardBlock::Parse(text);
    CheckCleanRows(block);
    if (block.rows.size() < 2 && block.columns < 2)
        return 0;
    Session session;
    GridCommands::Paste(session.doc, text);
    session.grid.Cursor().SelectAll();
    const ClipboardBlock::Block copied =
        ClipboardBlock::Parse(GridCommands::RangeText(session.grid));
    if (Cells(copied) != Cells(block))
        Fuzz::Fail("a pasted block copies out as other cells", Fuzz::Quoted(text));
    const std::optional<ClipboardBlock::Block> copiedHtml =
        ClipboardBlock::ParseHtml(ClipboardBlock::FormatHtml(copied));
    if (!copiedHtml || Cells(*copiedHtml) != Cells(block))
        Fuzz::Fail("a pasted block copies out as other HTML cells", Fuzz::Quoted(text));
    return 0;
}
