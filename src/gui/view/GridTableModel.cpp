#include "view/GridTableModel.h"

#include "document/TablewrightDoc.h"
#include "edit/GridCommands.h"
#include "grid/CellText.h"
#include "grid/GridListCtrl.h"

#include <utility>

namespace {

constexpr std::size_t kToolTipFrom = 40;
constexpr int kToolTipCharacters = 500;

// A text too long for its column shows whole in a tool tip, up to a few
// lines' worth; a longer one ends in an ellipsis.
QVariant ToolTipText(std::string_view text)
{
    if (text.size() < kToolTipFrom)
        return {};
    const std::string_view shown = CellText::Utf8Prefix(text, kToolTipCharacters);
    QString tip = QString::fromUtf8(shown.data(), static_cast<qsizetype>(shown.size()));
    if (shown.size() < text.size())
        tip += QChar(0x2026);
    return tip;
}

} // namespace

CGridTableModel::CGridTableModel(CGridListCtrl& grid, QObject* parent)
    : QAbstractTableModel(parent), m_grid(grid)
{
    m_grid.SetListener(this);
}

CGridTableModel::CGridTableModel(CTablewrightDoc& doc, QObject* parent)
    : CGridTableModel(doc.GetGrid(), parent)
{
    m_pDoc = &doc;
}

CGridTableModel::~CGridTableModel()
{
    m_grid.SetListener(nullptr);
}

int CGridTableModel::rowCount(const QModelIndex& parent) const
{
    if (parent.isValid())
        return 0;
    return m_bResetting ? m_nFrozenRows : m_grid.Shown().Count();
}

int CGridTableModel::columnCount(const QModelIndex& parent) const
{
    if (parent.isValid())
        return 0;
    return m_bResetting ? m_nFrozenColumns : m_grid.GetColumnCount();
}

QVariant CGridTableModel::data(const QModelIndex& index, int role) const
{
    if (!index.isValid() ||
        (role != Qt::DisplayRole && role != Qt::ToolTipRole && role != Qt::EditRole))
        return {};
    // The grid answers empty for a cell it no longer has, which is what a
    // repaint in the middle of a batch may ask for.
    const std::string_view text = m_grid.ItemTextView(ListRow(index.row()), index.column());
    if (role == Qt::ToolTipRole)
        return ToolTipText(text);
    if (role == Qt::EditRole)
        return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
    const std::string_view shown = CellText::ShownPart(text);
    return QString::fromUtf8(shown.data(), static_cast<qsizetype>(shown.size()));
}

QVariant CGridTableModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (orientation == Qt::Vertical) {
        if (role == Qt::DisplayRole)
            return ListRow(section) + 1;
        if (role == Qt::TextAlignmentRole)
            return QVariant::fromValue(Qt::AlignRight | Qt::AlignVCenter);
        return {};
    }
    if (role == Qt::TextAlignmentRole)
        return QVariant::fromValue(Qt::AlignLeft | Qt::AlignVCenter);
    if (role != Qt::DisplayRole || section < 0 || section >= m_grid.GetColumnCount())
        return {};
    return QString::fromStdString(m_grid.GetColumnName(section));
}

int CGridTableModel::ListRow(int tableRow) const
{
    return m_grid.Shown().ListRow(tableRow);
}

Qt::ItemFlags CGridTableModel::flags(const QModelIndex& index) const
{
    Qt::ItemFlags flags = QAbstractTableModel::flags(index);
    if (m_pDoc && index.isValid())
        flags |= Qt::ItemIsEditable;
    return flags;
}

// Only the current cell is edited: the step stores into it, taking in the
// rows appended for the edit.
bool CGridTableModel::setData(const QModelIndex& index, const QVariant& value, int role)
{
    if (!m_pDoc || role != Qt::EditRole || !index.isValid())
        return false;
    const GridCell cell{ListRow(index.row()), index.column()};
    if (cell != m_grid.Cursor().Current())
        return false;
    const QByteArray text = value.toString().toUtf8();
    GridCommands::CommitCell(*m_pDoc, std::string_view(text.constData(), text.size()));
    return true;
}

void CGridTableModel::AboutToReset()
{
    m_nFrozenRows = rowCount();
    m_nFrozenColumns = columnCount();
    beginResetModel();
    m_bResetting = true;
}

void CGridTableModel::Reset()
{
    m_bResetting = false;
    endResetModel();
}

void CGridTableModel::BeginRowsChange()
{
    m_bRowsReset = m_grid.Shown().IsFiltering();
    if (m_bRowsReset)
        beginResetModel();
}

// True when the change was told as a reset.
bool CGridTableModel::EndRowsChange()
{
    if (!std::exchange(m_bRowsReset, false))
        return false;
    endResetModel();
    return true;
}

void CGridTableModel::RowsAboutToBeInserted(int first, int last)
{
    BeginRowsChange();
    if (!m_bRowsReset)
        beginInsertRows(QModelIndex(), first, last);
}

void CGridTableModel::RowsInserted()
{
    if (!EndRowsChange())
        endInsertRows();
}

void CGridTableModel::RowsAboutToBeRemoved(int first, int last)
{
    BeginRowsChange();
    if (!m_bRowsReset)
        beginRemoveRows(QModelIndex(), first, last);
}

void CGridTableModel::RowsRemoved()
{
    if (!EndRowsChange())
        endRemoveRows();
}

void CGridTableModel::ColumnsAboutToBeInserted(int first, int last)
{
    beginInsertColumns(QModelIndex(), first, last);
}

void CGridTableModel::ColumnsInserted()
{
    endInsertColumns();
}

void CGridTableModel::ColumnsAboutToBeRemoved(int first, int last)
{
    beginRemoveColumns(QModelIndex(), first, last);
}

void CGridTableModel::ColumnsRemoved()
{
    endRemoveColumns();
}

void CGridTableModel::RowsAboutToBeMoved(int from, int to)
{
    BeginRowsChange();
    if (!m_bRowsReset)
        beginMoveRows(QModelIndex(), from, from, QModelIndex(), to);
}

void CGridTableModel::RowsMoved()
{
    if (!EndRowsChange())
        endMoveRows();
}

void CGridTableModel::ColumnsAboutToBeReordered()
{
    Q_EMIT layoutAboutToBeChanged({}, QAbstractItemModel::NoLayoutChangeHint);
}

// Indexes that views hold (an open editor's cell, the header's sections)
// follow their columns to where they now stand.
void CGridTableModel::ColumnsReordered(const std::vector<int>& order)
{
    std::vector<int> nowAt(order.size());
    for (std::size_t k = 0; k < order.size(); ++k)
        nowAt[static_cast<std::size_t>(order[k])] = static_cast<int>(k);
    const QModelIndexList before = persistentIndexList();
    QModelIndexList after;
    after.reserve(before.size());
    for (const QModelIndex& cell : before) {
        const auto column = static_cast<std::size_t>(cell.column());
        after << (column < nowAt.size() ? index(cell.row(), nowAt[column]) : QModelIndex());
    }
    changePersistentIndexList(before, after);
    Q_EMIT layoutChanged({}, QAbstractItemModel::NoLayoutChangeHint);
    Q_EMIT columnOrderChanged();
    Q_EMIT columnHeadersChanged(0, columnCount() - 1);
}

void CGridTableModel::CellChanged(int row, int column)
{
    const QModelIndex cell = index(m_grid.Shown().ShownIndex(row), column);
    if (cell.isValid())
        Q_EMIT dataChanged(cell, cell, {Qt::DisplayRole});
}

void CGridTableModel::RowsChanged(int first, int last)
{
    const int top = m_grid.Shown().FirstShownFrom(first);
    const int bottom = m_grid.Shown().FirstShownFrom(last + 1) - 1;
    if (columnCount() > 0 && top <= bottom)
        Q_EMIT dataChanged(index(top, 0), index(bottom, columnCount() - 1), {Qt::DisplayRole});
    // A sort under a filter shows other rows, with other numbers, in place.
    if (m_grid.Shown().IsFiltering() && top <= bottom)
        Q_EMIT headerDataChanged(Qt::Vertical, top, bottom);
}

void CGridTableModel::HeaderChanged(int first, int last)
{
    Q_EMIT headerDataChanged(Qt::Horizontal, first, last);
    Q_EMIT columnHeadersChanged(first, last);
}

void CGridTableModel::ColumnOrderChanged()
{
    Q_EMIT columnOrderChanged();
}

void CGridTableModel::CursorChanged()
{
    Q_EMIT cursorChanged();
}

void CGridTableModel::EnsureVisibleRequested(int row, bool partialOk)
{
    Q_EMIT ensureVisibleRequested(row, partialOk);
}
