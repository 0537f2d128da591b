#include "view/GridTableView.h"

#include "grid/GridListCtrl.h"
#include "view/CellDelegate.h"
#include "view/GridTableModel.h"

#include <QContextMenuEvent>
#include <QHeaderView>
#include <QHelpEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QSignalBlocker>
#include <QStyle>
#include <QStyleOptionHeader>
#include <QToolTip>

namespace {

// A row shows its text whole with a little room above and below.
int RowHeightFor(const QFont& font)
{
    return QFontMetrics(font).height() + 6;
}

} // namespace

CGridTableView::CGridTableView(const CGridListCtrl& grid, QWidget* parent)
    : QTableView(parent), m_grid(grid)
{
    m_pDelegate = new CCellDelegate(grid, *this);
    setItemDelegate(m_pDelegate);
    setSelectionMode(QAbstractItemView::NoSelection);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setShowGrid(true);
    setWordWrap(false);
    setCornerButtonEnabled(false);
    setHorizontalScrollMode(QAbstractItemView::ScrollPerPixel);

    QHeaderView* header = horizontalHeader();
    header->setSectionsMovable(true);
    // A click on a header sorts by its column.
    header->setSectionsClickable(true);
    header->setHighlightSections(false);
    header->setStretchLastSection(false);
    header->setDefaultAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    header->setMinimumSectionSize(0);
    header->viewport()->installEventFilter(this);

    // Rows all have one height, so a list of millions never measures them.
    QHeaderView* rows = verticalHeader();
    rows->setSectionResizeMode(QHeaderView::Fixed);
    rows->setDefaultSectionSize(RowHeightFor(font()));
    rows->setHighlightSections(false);
    rows->setSectionsClickable(false);
    rows->viewport()->installEventFilter(this);
}

bool CGridTableView::OpenEditor(int row, int column)
{
    const QModelIndex cell = CellIndex(row, column);
    return cell.isValid() && edit(cell, QAbstractItemView::AllEditTriggers, nullptr);
}

QModelIndex CGridTableView::CellIndex(int row, int column) const
{
    if (!model())
        return {};
    return model()->index(m_grid.Shown().ShownIndex(row), column);
}

int CGridTableView::ListRow(int tableRow) const
{
    const auto* grid = qobject_cast<const CGridTableModel*>(model());
    return grid ? grid->ListRow(tableRow) : -1;
}

int CGridTableView::ListRowAt(int y) const
{
    return ListRow(rowAt(y));
}

QRect CGridTableView::CellRect(int row, int column) const
{
    const QModelIndex cell = CellIndex(row, column);
    return cell.isValid() ? visualRect(cell) : QRect();
}

bool CGridTableView::OnRowHeaderPress(const QMouseEvent& press)
{
    if (press.button() != Qt::LeftButton)
        return false;
    const int row = ListRow(verticalHeader()->logicalIndexAt(press.position().toPoint()));
    if (row >= 0)
        Q_EMIT rowHeaderPressed(row, press.modifiers() & Qt::ShiftModifier);
    return true;
}

bool CGridTableView::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == verticalHeader()->viewport() && event->type() == QEvent::MouseButtonPress)
        return OnRowHeaderPress(static_cast<QMouseEvent&>(*event));
    QHeaderView* header = horizontalHeader();
    if (watched != header->viewport())
        return QTableView::eventFilter(watched, event);
    if (event->type() == QEvent::ToolTip)
        return ShowHeaderToolTip(static_cast<QHelpEvent&>(*event));
    if (event->type() == QEvent::MouseButtonPress) {
        const auto& press = static_cast<QMouseEvent&>(*event);
        const int column = header->logicalIndexAt(press.position().toPoint());
        if (press.button() == Qt::RightButton) {
            // A list without columns offers its column menu anywhere on
            // the header, so that a column can be added again.
            if (column >= 0 || m_grid.GetColumnCount() == 0)
                Q_EMIT headerRightClicked(column, press.globalPosition().toPoint());
            return true;
        }
    }
    return QTableView::eventFilter(watched, event);
}

bool CGridTableView::ShowHeaderToolTip(const QHelpEvent& help)
{
    const QHeaderView* header = horizontalHeader();
    const int column = header->logicalIndexAt(help.pos());
    const QString name =
        column >= 0 && model() ? model()->headerData(column, Qt::Horizontal).toString() : QString();
    QStyleOptionHeader option;
    option.initFrom(header);
    option.text = name;
    const QSize needed =
        style()->sizeFromContents(QStyle::CT_HeaderSection, &option, QSize(), header);
    if (name.isEmpty() || needed.width() <= header->sectionSize(column)) {
        QToolTip::hideText();
        return true;
    }
    QToolTip::showText(help.globalPos(), name, header->viewport());
    return true;
}

void CGridTableView::EnsureCellVisible(int row, int column)
{
    const QModelIndex cell = CellIndex(row, column);
    if (!cell.isValid())
        return;
    // Rows appended a moment ago have no place in the scroll range until
    // the table has laid them out.
    executeDelayedItemsLayout();
    updateGeometries();
    scrollTo(cell, QAbstractItemView::EnsureVisible);
}

// Each row would tell the table of its new height, a million signals for
// a million rows: the rows change quietly and the table lays itself out
// once. The editor is laid out again with the rest.
void CGridTableView::SetTextFont(const QFont& font)
{
    setFont(font);
    {
        const QSignalBlocker quiet(verticalHeader());
        verticalHeader()->setDefaultSectionSize(RowHeightFor(font));
    }
    updateGeometries();
    viewport()->update();
}

void CGridTableView::paintEvent(QPaintEvent* event)
{
    QTableView::paintEvent(event);
    const GridCell current = m_grid.Cursor().Current();
    const QRect cell = CellRect(current.row, current.column);
    if (cell.isEmpty())
        return;
    QPainter painter(viewport());
    painter.setPen(QPen(Qt::black, 1));
    painter.setBrush(Qt::NoBrush);
    painter.drawRect(cell.adjusted(0, 0, -1, -1));
}

// The table's own press handling would move a current index of its own.
void CGridTableView::mousePressEvent(QMouseEvent* event)
{
    const QPoint at = event->position().toPoint();
    const int row = ListRowAt(at.y());
    const int column = columnAt(at.x());
    if (event->button() != Qt::LeftButton || row < 0 || column < 0) {
        QTableView::mousePressEvent(event);
        return;
    }
    setFocus(Qt::MouseFocusReason);
    m_dragRow = row;
    m_dragColumn = column;
    Q_EMIT gridPressed(row, column, event->modifiers() & Qt::ShiftModifier);
}

void CGridTableView::mouseMoveEvent(QMouseEvent* event)
{
    if (m_dragRow < 0 || !(event->buttons() & Qt::LeftButton)) {
        QTableView::mouseMoveEvent(event);
        return;
    }
    const QPoint at = event->position().toPoint();
    const int row = ListRowAt(at.y());
    const int column = columnAt(at.x());
    if (row < 0 || column < 0 || (row == m_dragRow && column == m_dragColumn))
        return;
    m_dragRow = row;
    m_dragColumn = column;
    Q_EMIT gridDragged(row, column);
}

void CGridTableView::mouseReleaseEvent(QMouseEvent* event)
{
    QTableView::mouseReleaseEvent(event);
    m_dragRow = -1;
    if (event->button() != Qt::LeftButton)
        return;
    const QPoint at = event->position().toPoint();
    Q_EMIT gridClicked(ListRowAt(at.y()), columnAt(at.x()), at);
}

void CGridTableView::mouseDoubleClickEvent(QMouseEvent* event)
{
    if (event->button() != Qt::LeftButton) {
        QTableView::mouseDoubleClickEvent(event);
        return;
    }
    const QPoint at = event->position().toPoint();
    Q_EMIT gridDoubleClicked(ListRowAt(at.y()), columnAt(at.x()), at);
}

void CGridTableView::contextMenuEvent(QContextMenuEvent* event)
{
    if (event->reason() == QContextMenuEvent::Mouse) {
        const QPoint at = event->pos();
        Q_EMIT gridRightClicked(ListRowAt(at.y()), columnAt(at.x()), event->globalPos());
        return;
    }
    const GridCell current = m_grid.Cursor().Current();
    const QRect cell = CellRect(current.row, current.column);
    if (!cell.isEmpty())
        Q_EMIT gridRightClicked(current.row, current.column,
                                viewport()->mapToGlobal(cell.center()));
}
