#include "view/GridTableView.h"

#include "grid/GridListCtrl.h"

#include <QHeaderView>
#include <QMouseEvent>
#include <QPainter>

CGridTableView::CGridTableView(const CGridListCtrl& grid, QWidget* parent)
    : QTableView(parent), m_grid(grid)
{
    setSelectionBehavior(QAbstractItemView::SelectRows);
    setSelectionMode(QAbstractItemView::SingleSelection);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setShowGrid(true);
    setWordWrap(false);
    setCornerButtonEnabled(false);
    setHorizontalScrollMode(QAbstractItemView::ScrollPerPixel);

    QHeaderView* header = horizontalHeader();
    header->setSectionsMovable(true);
    header->setHighlightSections(false);
    header->setStretchLastSection(false);
    header->setDefaultAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    header->setMinimumSectionSize(0);

    // Rows all have one height, so a list of millions never measures them.
    QHeaderView* rows = verticalHeader();
    rows->setSectionResizeMode(QHeaderView::Fixed);
    rows->setDefaultSectionSize(fontMetrics().height() + 6);
    rows->setHighlightSections(false);
    rows->setSectionsClickable(false);
}

QRect CGridTableView::CellRect(int row, int column) const
{
    if (!model() || row < 0 || column < 0 || row >= model()->rowCount() ||
        column >= model()->columnCount())
        return {};
    return visualRect(model()->index(row, column));
}

void CGridTableView::paintEvent(QPaintEvent* event)
{
    QTableView::paintEvent(event);
    const QRect cell = CellRect(m_grid.m_nCurRow, m_grid.m_nCurCol);
    if (cell.isEmpty())
        return;
    QPainter painter(viewport());
    painter.setPen(QPen(Qt::black, 1));
    painter.setBrush(Qt::NoBrush);
    painter.drawRect(cell.adjusted(0, 0, -1, -1));
}

void CGridTableView::mouseReleaseEvent(QMouseEvent* event)
{
    QTableView::mouseReleaseEvent(event);
    if (event->button() != Qt::LeftButton)
        return;
    const QPoint at = event->position().toPoint();
    Q_EMIT gridClicked(rowAt(at.y()), columnAt(at.x()));
}
