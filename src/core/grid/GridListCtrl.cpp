#include "grid/GridListCtrl.h"

#include "grid/CellText.h"
#include "grid/GridListener.h"

#include <algorithm>
#include <numeric>
#include <utility>

bool CGridListCtrl::NotifyEach()
{
    if (!m_listener)
        return false;
    if (m_suspendDepth == 0)
        return true;
    if (!m_batchStarted) {
        m_batchStarted = true;
        m_listener->AboutToReset();
    }
    return false;
}

int CGridListCtrl::InsertItem(int row, std::string_view text)
{
    if (row < 0)
        return -1;
    RowBuilder builder;
    builder.AddCleanCell(CellText::Clean(text));
    builder.KeepCells(GetColumnCount());
    return InsertPacked(std::min(row, GetItemCount()), builder.Take());
}

int CGridListCtrl::AppendRow(RowBuilder& row, std::uint32_t origin)
{
    row.KeepCells(GetColumnCount());
    return InsertPacked(GetItemCount(), row.Take(origin, PackedRow::Home::Block));
}

std::uint32_t CGridListCtrl::RowOrigin(int row) const
{
    return ValidRow(row) ? m_rows[row].Origin() : 0;
}

void CGridListCtrl::SetRowOrigin(int row, std::uint32_t origin)
{
    if (ValidRow(row))
        m_rows[row].SetOrigin(origin);
}

int CGridListCtrl::InsertPacked(int row, PackedRow packed)
{
    const bool notify = NotifyEach();
    if (notify)
        m_listener->RowsAboutToBeInserted(row, row);
    m_rows.insert(m_rows.begin() + row, std::move(packed));
    m_shown.Inserted(row, 1);
    if (notify)
        m_listener->RowsInserted();
    m_selection.Inserted(row, 1);
    return row;
}

bool CGridListCtrl::DeleteItem(int row)
{
    if (!ValidRow(row))
        return false;
    const bool notify = NotifyEach();
    if (notify)
        m_listener->RowsAboutToBeRemoved(row, row);
    m_rows.erase(m_rows.begin() + row);
    m_shown.Removed(row, 1);
    if (notify)
        m_listener->RowsRemoved();
    m_selection.Removed(row, 1);
    return true;
}

bool CGridListCtrl::DeleteAllItems()
{
    if (m_rows.empty())
        return true;
    const int count = GetItemCount();
    const bool notify = NotifyEach();
    if (notify)
        m_listener->RowsAboutToBeRemoved(0, count - 1);
    m_shown.Removed(0, count);
    m_rows.clear();
    m_rows.shrink_to_fit();
    if (notify)
        m_listener->RowsRemoved();
    m_selection.Removed(0, count);
    return true;
}

std::string CGridListCtrl::GetItemText(int row, int column) const
{
    return std::string(ItemTextView(row, column));
}

std::string_view CGridListCtrl::ItemTextView(int row, int column) const
{
    if (!ValidRow(row) || !ValidColumn(column))
        return {};
    return m_rows[row].Cell(column);
}

std::string_view CGridListCtrl::JoinedRowView(int row) const
{
    return ValidRow(row) ? m_rows[row].Joined() : std::string_view();
}

bool CGridListCtrl::SetItemText(int row, int column, std::string_view text)
{
    if (!ValidRow(row) || !ValidColumn(column))
        return false;
    const std::string clean = CellText::Clean(text);
    m_rows[row] = m_rows[row].WithCell(column, clean);
    if (NotifyEach())
        m_listener->CellChanged(row, column);
    return true;
}

int CGridListCtrl::InsertColumn(int column, std::string_view name, int width)
{
    return InsertColumns(column, {std::string(name)}, width);
}

int CGridListCtrl::InsertColumns(int column, const std::vector<std::string>& names, int width,
                                 CellMove move)
{
    if (column < 0 || names.empty())
        return -1;
    const int before = GetColumnCount();
    column = std::min(column, before);
    const int count = static_cast<int>(names.size());
    const bool notify = NotifyEach();
    if (notify)
        m_listener->ColumnsAboutToBeInserted(column, column + count - 1);
    std::vector<GridColumn> added;
    added.reserve(names.size());
    for (const std::string& name : names) {
        const std::string clean = CellText::Clean(name);
        added.push_back(
            {std::string(CellText::Utf8Prefix(clean, kMaxColumnNameLength)), std::max(0, width)});
    }
    m_columns.insert(m_columns.begin() + column, std::make_move_iterator(added.begin()),
                     std::make_move_iterator(added.end()));
    if (column < before) {
        if (move == CellMove::Now) {
            for (PackedRow& row : m_rows)
                row = row.WithColumnsInserted(column, count);
        }
        for (int& shown : m_order) {
            if (shown >= column)
                shown += count;
        }
    }
    std::vector<int> shownNew(names.size());
    std::iota(shownNew.begin(), shownNew.end(), column);
    m_order.insert(m_order.begin() + std::min<std::size_t>(column, m_order.size()),
                   shownNew.begin(), shownNew.end());
    if (notify)
        m_listener->ColumnsInserted();
    return column;
}

bool CGridListCtrl::DeleteColumn(int column)
{
    if (!ValidColumn(column))
        return false;
    const bool notify = NotifyEach();
    if (notify)
        m_listener->ColumnsAboutToBeRemoved(column, column);
    m_columns.erase(m_columns.begin() + column);
    for (PackedRow& row : m_rows)
        row = row.WithColumnRemoved(column);
    std::erase(m_order, column);
    for (int& shown : m_order) {
        if (shown > column)
            --shown;
    }
    if (notify)
        m_listener->ColumnsRemoved();
    return true;
}

void CGridListCtrl::ShiftCellsRight(int first, int last, int count)
{
    first = std::max(first, 0);
    last = std::min(last, GetItemCount() - 1);
    if (first > last || count <= 0)
        return;
    const ScopedRedrawSuspension suspended(*this);
    // Rows change in place below, so the batch is announced before them.
    NotifyEach();
    for (int row = first; row <= last; ++row)
        m_rows[row] = m_rows[row].WithColumnsInserted(0, count);
}

void CGridListCtrl::DeleteAllColumns()
{
    if (m_columns.empty())
        return;
    const bool notify = NotifyEach();
    if (notify)
        m_listener->ColumnsAboutToBeRemoved(0, GetColumnCount() - 1);
    m_columns.clear();
    m_order.clear();
    for (PackedRow& row : m_rows)
        row = PackedRow();
    if (notify)
        m_listener->ColumnsRemoved();
}

std::string CGridListCtrl::GetColumnName(int column) const
{
    return ValidColumn(column) ? m_columns[column].name : std::string();
}

void CGridListCtrl::SetColumnName(int column, std::string_view name)
{
    if (!ValidColumn(column))
        return;
    const std::string clean = CellText::Clean(name);
    m_columns[column].name = std::string(CellText::Utf8Prefix(clean, kMaxColumnNameLength));
    if (NotifyEach())
        m_listener->HeaderChanged(column, column);
}

int CGridListCtrl::GetColumnWidth(int column) const
{
    return ValidColumn(column) ? m_columns[column].width : 0;
}

bool CGridListCtrl::SetColumnWidth(int column, int width)
{
    if (!ValidColumn(column))
        return false;
    m_columns[column].width = std::max(0, width);
    if (NotifyEach())
        m_listener->HeaderChanged(column, column);
    return true;
}

bool CGridListCtrl::SetColumnOrderArray(const std::vector<int>& order)
{
    std::vector<int> sorted = order;
    std::sort(sorted.begin(), sorted.end());
    std::vector<int> identity(GetColumnCount());
    std::iota(identity.begin(), identity.end(), 0);
    if (sorted != identity)
        return false;
    m_order = order;
    if (NotifyEach())
        m_listener->ColumnOrderChanged();
    return true;
}

void CGridListCtrl::ResetColumnOrder()
{
    m_order.resize(m_columns.size());
    std::iota(m_order.begin(), m_order.end(), 0);
}

void CGridListCtrl::SetRedraw(bool redraw)
{
    if (!redraw) {
        ++m_suspendDepth;
        return;
    }
    if (m_suspendDepth == 0 || --m_suspendDepth > 0)
        return;
    if (m_batchStarted) {
        m_batchStarted = false;
        if (m_listener)
            m_listener->Reset();
    }
    if (std::exchange(m_pendingCursor, false) && m_listener)
        m_listener->CursorChanged();
    if (m_pendingEnsureVisible >= 0) {
        const int row = std::exchange(m_pendingEnsureVisible, -1);
        EnsureVisible(row, m_pendingPartialOk);
    }
}

void CGridListCtrl::FilterRows(std::vector<int> rows)
{
    ChangeShownRows(&rows);
}

void CGridListCtrl::ShowAllRows()
{
    if (m_shown.IsFiltering())
        ChangeShownRows(nullptr);
}

// rows null shows every row.
void CGridListCtrl::ChangeShownRows(std::vector<int>* rows)
{
    const ScopedRedrawSuspension suspended(*this);
    NotifyEach();
    if (rows)
        m_shown.Show(std::move(*rows));
    else
        m_shown.ShowAll();
    const GridCell current = m_selection.Current();
    if (current.row >= 0 && !m_shown.IsShown(current.row))
        m_selection.SetCurrent(m_shown.ListRow(0), current.column);
}

void CGridListCtrl::CursorChanged()
{
    if (m_suspendDepth > 0)
        m_pendingCursor = true;
    else if (m_listener)
        m_listener->CursorChanged();
}

void CGridListCtrl::EnsureVisible(int row, bool partialOk)
{
    if (!ValidRow(row))
        return;
    if (m_suspendDepth > 0) {
        m_pendingEnsureVisible = row;
        m_pendingPartialOk = partialOk;
        return;
    }
    if (m_listener)
        m_listener->EnsureVisibleRequested(row, partialOk);
}

bool CGridListCtrl::CopyRow(int from, int to)
{
    if (from == to || from < 0 || to < 0 || to > GetItemCount() || from >= GetItemCount())
        return false;
    InsertPacked(to, m_rows[from].Clone());
    return true;
}

bool CGridListCtrl::MoveRow(int from, int to)
{
    if (from == to || from < 0 || to < 0 || to > GetItemCount() || from >= GetItemCount())
        return false;
    // to counts positions before the row leaves its place.
    const int landing = from > to ? to : to - 1;
    if (landing != from) {
        const bool notify = NotifyEach();
        if (notify)
            m_listener->RowsAboutToBeMoved(from, to);
        const auto source = m_rows.begin() + from;
        if (from < landing)
            std::rotate(source, source + 1, m_rows.begin() + landing + 1);
        else
            std::rotate(m_rows.begin() + landing, source, source + 1);
        m_shown.Moved(from, landing);
        if (notify)
            m_listener->RowsMoved();
        m_selection.Moved(from, landing);
    }
    return true;
}

bool CGridListCtrl::CaptureTable(std::vector<GridColumn>& columns, std::vector<GridRow>& rows) const
{
    const int columnCount = GetColumnCount();
    columns.assign(m_columns.begin(), m_columns.end());
    rows.assign(m_rows.size(), GridRow(columnCount));
    for (std::size_t i = 0; i < m_rows.size(); ++i) {
        for (int j = 0; j < columnCount; ++j)
            rows[i][j] = std::string(m_rows[i].Cell(j));
    }
    return true;
}

bool CGridListCtrl::RebuildTable(const std::vector<GridColumn>& columns,
                                 const std::vector<GridRow>& rows)
{
    const ScopedRedrawSuspension suspended(*this);
    DeleteAllItems();
    DeleteAllColumns();
    for (const GridColumn& column : columns)
        InsertColumn(GetColumnCount(), column.name, column.width);
    ResetColumnOrder();
    m_rows.reserve(rows.size());
    RowBuilder builder;
    for (const GridRow& row : rows) {
        for (std::size_t j = 0; j < row.size() && j < columns.size(); ++j)
            builder.AddCell(row[j]);
        AppendRow(builder);
    }
    return true;
}

void CGridListCtrl::TakeTable(CGridListCtrl& from)
{
    const ScopedRedrawSuspension suspended(*this);
    ShowAllRows();
    DeleteAllItems();
    DeleteAllColumns();
    NotifyEach();
    m_columns = std::move(from.m_columns);
    m_order = std::move(from.m_order);
    from.m_columns.clear();
    from.m_order.clear();
    from.ShowAllRows();
    PutRows(0, std::exchange(from.m_rows, {}));
}

void CGridListCtrl::ApplyColumnOrder()
{
    PermuteColumns(std::vector<int>(m_order));
}

bool CGridListCtrl::PermuteColumns(const std::vector<int>& order)
{
    if (order.size() != m_columns.size())
        return false;
    const bool notify = NotifyEach();
    if (notify)
        m_listener->ColumnsAboutToBeReordered();
    std::vector<GridColumn> columns;
    columns.reserve(order.size());
    for (int column : order)
        columns.push_back(m_columns[column]);
    m_columns = std::move(columns);
    std::vector<std::string_view> cells(order.size());
    RowBuilder builder;
    for (PackedRow& row : m_rows) {
        CellCursor cursor(row.Joined());
        for (std::string_view& cell : cells)
            cell = cursor.Next();
        for (int column : order)
            builder.AddCleanCell(cells[column]);
        row = builder.Take(row.Origin());
    }
    ResetColumnOrder();
    if (notify)
        m_listener->ColumnsReordered(order);
    return true;
}
