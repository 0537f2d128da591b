#include "edit/Duplicates.h"

#include "document/TablewrightDoc.h"
#include "edit/NumberText.h"
#include "edit/RowCommands.h"
#include "grid/GridListCtrl.h"
#include "platform/UserPrompt.h"
#include "resources/StringTable.h"

#include <bit>
#include <cstdint>
#include <cstring>
#include <functional>
#include <string_view>

namespace {

// Cells first..last of a joined row, as they lie in it, without the TABs
// that close empty cells at the end: rows holding the same cells there
// give the same text, whatever they hold after.
std::string_view CellsOf(std::string_view joined, int first, int last)
{
    std::size_t start = 0;
    for (int column = 0; column < first; ++column) {
        const std::size_t tab = joined.find('\t', start);
        if (tab == std::string_view::npos)
            return {};
        start = tab + 1;
    }
    std::size_t end = start;
    for (int column = first; column <= last; ++column) {
        end = joined.find('\t', end);
        if (end == std::string_view::npos) {
            end = joined.size();
            break;
        }
        if (column < last)
            ++end;
    }
    std::string_view cells = joined.substr(start, end - start);
    while (!cells.empty() && cells.back() == '\t')
        cells.remove_suffix(1);
    return cells;
}

// The rows seen so far by their cells, in open addressing: a slot holds a
// row's hash and number, or -1 when free.
class SeenRows
{
public:
    explicit SeenRows(std::size_t rows) : m_slots(std::bit_ceil(rows * 2 + 2), {0, -1}) {}

    // True when a row with these cells was seen; otherwise remembers row.
    bool Seen(std::string_view cells, int row, const CGridListCtrl& grid, int first, int last)
    {
        const std::size_t hash = std::hash<std::string_view>()(cells);
        const std::size_t mask = m_slots.size() - 1;
        for (std::size_t at = hash & mask;; at = (at + 1) & mask) {
            Slot& slot = m_slots[at];
            if (slot.row < 0) {
                slot = {hash, row};
                return false;
            }
            if (slot.hash == hash && CellsOf(grid.JoinedRowView(slot.row), first, last) == cells)
                return true;
        }
    }

private:
    struct Slot
    {
        std::size_t hash;
        int row;
    };
    std::vector<Slot> m_slots;
};

} // namespace

std::vector<int> DuplicateRows(const CGridListCtrl& grid, int first, int last)
{
    const CShownRows& shown = grid.Shown();
    SeenRows seen(static_cast<std::size_t>(shown.Count()));
    std::vector<int> duplicates;
    for (int at = 0; at < shown.Count(); ++at) {
        const int row = shown.ListRow(at);
        const std::string_view cells = CellsOf(grid.JoinedRowView(row), first, last);
        if (!cells.empty() && seen.Seen(cells, row, grid, first, last))
            duplicates.push_back(row);
    }
    return duplicates;
}

namespace GridCommands {

void RemoveDuplicates(CTablewrightDoc& doc)
{
    CGridListCtrl& grid = doc.GetGrid();
    if (grid.GetColumnCount() == 0)
        return;
    int first = 0;
    int last = grid.GetColumnCount() - 1;
    if (grid.Cursor().HasRange() && grid.Cursor().Range().ColumnCount() > 1) {
        first = grid.Cursor().Range().left;
        last = grid.Cursor().Range().right;
    }
    std::vector<int> rows = DuplicateRows(grid, first, last);
    const auto count = static_cast<qsizetype>(rows.size());
    if (!rows.empty())
        doc.Execute(std::make_unique<CDeleteRowSetCommand>(grid, std::move(rows),
                                                           Strings::kRemoveDuplicatesStep));
    const char* told = count == 0   ? Strings::kNoDuplicateRows
                       : count == 1 ? Strings::kDuplicateRowRemoved
                                    : Strings::kDuplicateRowsRemoved;
    doc.Prompt().MessageBox(
        QString::fromUtf8(told).arg(FrenchNumber(static_cast<double>(count), 0)),
        IUserPrompt::Buttons::Ok, IUserPrompt::Icon::Information);
}

} // namespace GridCommands
