#include "view/CellDelegate.h"

#include "grid/GridListCtrl.h"
#include "view/CellEditor.h"
#include "view/GridTableView.h"

#include <algorithm>

namespace {

// The editor lies this far inside the cell on the left and on the right.
constexpr int kEditorInset = 4;

} // namespace

CCellDelegate::CCellDelegate(const CGridListCtrl& grid, const CGridTableView& table)
    : QStyledItemDelegate(table.viewport()), m_grid(grid), m_table(table),
      m_pEditor(new CCellEditor(table.viewport()))
{
    m_pEditor->setObjectName(QStringLiteral("cellEdit"));
    m_pEditor->hide();
}

void CCellDelegate::Commit()
{
    Q_EMIT commitData(m_pEditor);
}

void CCellDelegate::Close()
{
    Q_EMIT closeEditor(m_pEditor, QAbstractItemDelegate::NoHint);
}

void CCellDelegate::paint(QPainter* painter, const QStyleOptionViewItem& option,
                          const QModelIndex& index) const
{
    QStyleOptionViewItem plain(option);
    plain.state &= ~QStyle::State_HasFocus;
    if (IsSelected(index))
        plain.state |= QStyle::State_Selected;
    else
        plain.state &= ~QStyle::State_Selected;
    QStyledItemDelegate::paint(painter, plain, index);
}

bool CCellDelegate::IsSelected(const QModelIndex& index) const
{
    const int row = m_table.ListRow(index.row());
    const int column = index.column();
    const CGridSelection& cursor = m_grid.Cursor();
    if (cursor.HasRange())
        return cursor.Range().Contains(row, column);
    return row == cursor.CurrentRow();
}

QWidget* CCellDelegate::createEditor(QWidget*, const QStyleOptionViewItem&,
                                     const QModelIndex&) const
{
    return m_pEditor;
}

// The editor stays for the next edit; a closed one holds no text, which
// may be megabytes.
void CCellDelegate::destroyEditor(QWidget*, const QModelIndex&) const
{
    m_pEditor->hide();
    m_pEditor->clear();
}

void CCellDelegate::setEditorData(QWidget*, const QModelIndex& index) const
{
    m_pEditor->setText(index.data(Qt::EditRole).toString());
}

void CCellDelegate::setModelData(QWidget*, QAbstractItemModel* model,
                                 const QModelIndex& index) const
{
    model->setData(index, m_pEditor->text(), Qt::EditRole);
}

void CCellDelegate::updateEditorGeometry(QWidget*, const QStyleOptionViewItem& option,
                                         const QModelIndex&) const
{
    const QRect& cell = option.rect;
    m_pEditor->setGeometry(cell.left() + kEditorInset, cell.top(),
                           std::max(0, cell.width() - 2 * kEditorInset), cell.height());
}

bool CCellDelegate::eventFilter(QObject*, QEvent*)
{
    return false;
}
