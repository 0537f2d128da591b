#include "grid/CellText.h"
#include "grid/GridListCtrl.h"
#include "grid/GridListener.h"

#include <algorithm>
#include <utility>

namespace {

// The text as the grid may hold it; a text that is clean already is used as
// it is, which is the common case of cells coming back from TakeColumn.
std::string_view CleanView(std::string_view text, std::string& scratch)
{
    if (!CellText::NeedsCleaning(text) && CellText::IsValidUtf8(text))
        return text;
    scratch = CellText::Clean(text);
    return scratch;
}

} // namespace

bool CGridListCtrl::TakeColumn(int column, GridColumn& header, std::string& cells)
{
    if (!ValidColumn(column))
        return false;
    const ScopedRedrawSuspension suspended(*this);
    // Rows change in place below, so the batch is announced before them.
    NotifyEach();
    header = std::move(m_columns[column]);
    m_columns.erase(m_columns.begin() + column);
    std::erase(m_order, column);
    for (int& shown : m_order) {
        if (shown > column)
            --shown;
    }
    cells.clear();
    for (std::size_t row = 0; row < m_rows.size(); ++row) {
        if (row > 0)
            cells.push_back('\t');
        m_rows[row].TakeCell(column, cells);
    }
    cells.shrink_to_fit();
    return true;
}

int CGridListCtrl::PutColumn(int column, const GridColumn& header, std::string_view cells)
{
    if (column < 0 || column > GetColumnCount())
        return -1;
    const ScopedRedrawSuspension suspended(*this);
    InsertColumns(column, {header.name}, header.width, CellMove::Later);
    CellCursor cursor(cells);
    std::string scratch;
    for (PackedRow& row : m_rows)
        row.InsertCell(column, CleanView(cursor.Next(), scratch));
    return column;
}

int CGridListCtrl::InsertJoinedRow(int row, std::string_view joined)
{
    if (row < 0)
        return -1;
    RowBuilder builder;
    CellCursor cursor(joined);
    const auto stored = joined.empty() ? 0 : std::count(joined.begin(), joined.end(), '\t') + 1;
    for (std::ptrdiff_t cell = 0; cell < stored; ++cell)
        builder.AddCell(cursor.Next());
    builder.KeepCells(GetColumnCount());
    return InsertPacked(std::min(row, GetItemCount()), builder.Take());
}

bool CGridListCtrl::PermuteRows(const std::vector<int>& order)
{
    if (order.size() != m_rows.size() || m_rows.empty())
        return false;
    std::vector<PackedRow> rows;
    rows.reserve(order.size());
    for (const int row : order)
        rows.push_back(std::move(m_rows[row]));
    m_rows = std::move(rows);
    if (NotifyEach())
        m_listener->RowsChanged(0, GetItemCount() - 1);
    return true;
}

bool CGridListCtrl::ExchangeRows(std::vector<RowExchange>& rows)
{
    if (std::any_of(rows.begin(), rows.end(),
                    [this](const RowExchange& exchange) { return !ValidRow(exchange.row); }))
        return false;
    int first = GetItemCount();
    int last = -1;
    for (RowExchange& exchange : rows) {
        std::swap(m_rows[exchange.row], exchange.packed);
        first = std::min(first, exchange.row);
        last = std::max(last, exchange.row);
    }
    if (last >= 0 && NotifyEach())
        m_listener->RowsChanged(first, last);
    return true;
}

std::vector<PackedRow> CGridListCtrl::TakeRows(int first, int count)
{
    if (!ValidRow(first) || count <= 0 || count > GetItemCount() - first)
        return {};
    const bool notify = NotifyEach();
    if (notify)
        m_listener->RowsAboutToBeRemoved(first, first + count - 1);
    const auto begin = m_rows.begin() + first;
    std::vector<PackedRow> taken(std::make_move_iterator(begin),
                                 std::make_move_iterator(begin + count));
    m_rows.erase(begin, begin + count);
    for (int* state : {&m_selectedRow, &m_focusedRow}) {
        if (*state >= first + count)
            *state -= count;
        else if (*state >= first)
            *state = -1;
    }
    if (notify)
        m_listener->RowsRemoved();
    return taken;
}

bool CGridListCtrl::PutRows(int first, std::vector<PackedRow> rows)
{
    if (first < 0 || first > GetItemCount() || rows.empty())
        return false;
    const int count = static_cast<int>(rows.size());
    const bool notify = NotifyEach();
    if (notify)
        m_listener->RowsAboutToBeInserted(first, first + count - 1);
    m_rows.insert(m_rows.begin() + first, std::make_move_iterator(rows.begin()),
                  std::make_move_iterator(rows.end()));
    for (int* state : {&m_selectedRow, &m_focusedRow}) {
        if (*state >= first)
            *state += count;
    }
    if (notify)
        m_listener->RowsInserted();
    return true;
}

void CGridListCtrl::AppendEmptyRows(int count)
{
    if (count > 0)
        PutRows(GetItemCount(), std::vector<PackedRow>(static_cast<std::size_t>(count)));
}
