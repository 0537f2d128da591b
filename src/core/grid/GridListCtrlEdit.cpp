#include "grid/CellText.h"
#include "grid/GridListCtrl.h"
#include "grid/GridListener.h"

#include <algorithm>
#include <functional>
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
    PackedRows rows;
    rows.reserve(order.size());
    for (const int row : order)
        rows.push_back(std::move(m_rows[row]));
    m_rows = std::move(rows);
    m_shown.Permuted(order);
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

PackedRows CGridListCtrl::TakeRows(int first, int count)
{
    if (!ValidRow(first) || count <= 0 || count > GetItemCount() - first)
        return {};
    const bool notify = NotifyEach();
    if (notify)
        m_listener->RowsAboutToBeRemoved(first, first + count - 1);
    const auto begin = m_rows.begin() + first;
    PackedRows taken(std::make_move_iterator(begin), std::make_move_iterator(begin + count));
    m_rows.erase(begin, begin + count);
    m_shown.Removed(first, count);
    if (notify)
        m_listener->RowsRemoved();
    m_selection.Removed(first, count);
    return taken;
}

bool CGridListCtrl::PutRows(int first, PackedRows rows)
{
    if (first < 0 || first > GetItemCount() || rows.empty())
        return false;
    const int count = static_cast<int>(rows.size());
    const bool notify = NotifyEach();
    if (notify)
        m_listener->RowsAboutToBeInserted(first, first + count - 1);
    if (m_rows.empty())
        m_rows = std::move(rows);
    else
        m_rows.insert(m_rows.begin() + first, std::make_move_iterator(rows.begin()),
                      std::make_move_iterator(rows.end()));
    m_shown.Inserted(first, count);
    if (notify)
        m_listener->RowsInserted();
    m_selection.Inserted(first, count);
    return true;
}

void CGridListCtrl::AppendEmptyRows(int count)
{
    if (count > 0)
        PutRows(GetItemCount(), PackedRows(static_cast<std::size_t>(count)));
}

void CGridListCtrl::AppendRows(PackedRows rows)
{
    PutRows(GetItemCount(), std::move(rows));
}

void CGridListCtrl::KeepCells(int first, int last, int count)
{
    first = std::max(first, 0);
    last = std::min(last, GetItemCount() - 1);
    if (first > last || count < 0)
        return;
    const ScopedRedrawSuspension suspended(*this);
    NotifyEach();
    for (int row = first; row <= last; ++row)
        m_rows[row] = m_rows[row].WithCellsKept(count);
}

namespace {

// True when rows rise strictly and lie in 0..count-1.
bool IsRowSet(const std::vector<int>& rows, int count)
{
    return !rows.empty() && rows.front() >= 0 && rows.back() < count &&
           std::adjacent_find(rows.begin(), rows.end(), std::greater_equal<>()) == rows.end();
}

} // namespace

PackedRows CGridListCtrl::TakeRowSet(const std::vector<int>& rows)
{
    if (!IsRowSet(rows, GetItemCount()))
        return {};
    const ScopedRedrawSuspension suspended(*this);
    NotifyEach();
    PackedRows taken;
    taken.reserve(rows.size());
    std::size_t next = 0;
    std::size_t kept = 0;
    for (std::size_t row = 0; row < m_rows.size(); ++row) {
        if (next < rows.size() && static_cast<std::size_t>(rows[next]) == row) {
            taken.push_back(std::move(m_rows[row]));
            ++next;
        } else {
            m_rows[kept++] = std::move(m_rows[row]);
        }
    }
    m_rows.resize(kept);
    m_shown.RemovedSet(rows);
    m_selection.RemovedSet(rows);
    return taken;
}

bool CGridListCtrl::PutRowSet(const std::vector<int>& rows, PackedRows packed)
{
    const int total = GetItemCount() + static_cast<int>(rows.size());
    if (rows.size() != packed.size() || !IsRowSet(rows, total))
        return false;
    const ScopedRedrawSuspension suspended(*this);
    NotifyEach();
    PackedRows merged;
    merged.reserve(static_cast<std::size_t>(total));
    std::size_t next = 0;
    std::size_t old = 0;
    for (int row = 0; row < total; ++row) {
        if (next < rows.size() && rows[next] == row)
            merged.push_back(std::move(packed[next++]));
        else
            merged.push_back(std::move(m_rows[old++]));
    }
    m_rows = std::move(merged);
    m_shown.InsertedSet(rows);
    m_selection.InsertedSet(rows);
    return true;
}
