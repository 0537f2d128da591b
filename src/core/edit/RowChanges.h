#pragma once

#include "edit/EditCommand.h"
#include "edit/RowContentCommand.h"
#include "grid/GridListCtrl.h"

#include <QString>

#include <memory>
#include <string_view>
#include <vector>

// What the commands that rewrite cells inside a range share: the rows they
// change, built as they are to become, and the one step that exchanges them.
namespace GridCommands {

using RowExchanges = std::vector<CGridListCtrl::RowExchange>;

// The cells a fill writes: the same text in each.
class SameText
{
public:
    explicit SameText(std::string_view text) : m_text(text) {}
    std::string_view Next() const { return m_text; }

private:
    std::string_view m_text;
};

// The rows listed as they are to become, columns wide, listing only the
// rows that change. source(k) gives the new cells of the k-th row listed
// between the range's columns, left to right; the cells outside them stay.
// Rows beyond the grid's end read as empty, for a paste that appends them.
template <typename Source>
RowExchanges ChangedRows(const CGridListCtrl& grid, const std::vector<int>& rows,
                         const CellRange& range, int columns, const Source& source,
                         std::size_t& oldBytes)
{
    RowExchanges changed;
    RowBuilder builder;
    for (std::size_t k = 0; k < rows.size(); ++k) {
        const int row = rows[k];
        const std::string_view joined = grid.JoinedRowView(row);
        auto cells = source(static_cast<int>(k));
        CellCursor old(joined);
        bool differs = false;
        for (int column = 0; column < columns; ++column) {
            const std::string_view was = old.Next();
            if (column < range.left || column > range.right) {
                builder.AddCleanCell(was);
                continue;
            }
            const std::string_view now = cells.Next();
            differs = differs || now != was;
            builder.AddCleanCell(now);
        }
        PackedRow packed = builder.Take();
        if (!differs)
            continue;
        oldBytes += joined.size();
        changed.push_back({row, std::move(packed)});
    }
    return changed;
}

// The step that writes the changed rows, the range selected after it and
// after each undo and redo; null when no row changes.
inline std::unique_ptr<CEditCommand> RangeStep(const char* name, RowExchanges rows,
                                               std::size_t oldBytes, const CellRange& range)
{
    if (rows.empty())
        return nullptr;
    return std::make_unique<CRowContentCommand>(QString::fromUtf8(name), std::move(rows), oldBytes,
                                                CRowContentCommand::Focus::OnRange, range);
}

} // namespace GridCommands
