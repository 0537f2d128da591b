#include "view/ColumnHeader.h"

#include "document/TablewrightDoc.h"
#include "edit/GridCommands.h"
#include "view/GridTableModel.h"
#include "view/GridTableView.h"
#include "view/ScopedWaitCursor.h"

#include <QGuiApplication>
#include <QHeaderView>

CColumnHeader::CColumnHeader(CTablewrightDoc& doc, CGridTableView& table, CGridTableModel& model,
                             CommandRunner runCommand, QObject* parent)
    : QObject(parent), m_doc(doc), m_table(table), m_runCommand(std::move(runCommand))
{
    QHeaderView* header = table.horizontalHeader();
    header->viewport()->installEventFilter(this);
    connect(&model, &CGridTableModel::columnHeadersChanged, this, &CColumnHeader::ShowWidths);
    connect(&model, &QAbstractItemModel::columnsInserted, this,
            [this](const QModelIndex&, int first, int last) { ShowWidths(first, last); });
    connect(&model, &QAbstractItemModel::modelReset, this, &CColumnHeader::ShowColumns);
    connect(&model, &CGridTableModel::columnOrderChanged, this, &CColumnHeader::ShowColumnOrder);
    connect(header, &QHeaderView::sectionResized, this, &CColumnHeader::OnSectionResized);
    // The header finishes its own move first; the cells follow afterwards.
    connect(header, &QHeaderView::sectionMoved, this, [this] {
        QMetaObject::invokeMethod(this, &CColumnHeader::OnColumnsMoved, Qt::QueuedConnection);
    });
    connect(header, &QHeaderView::sectionClicked, this, &CColumnHeader::OnColumnClick);
}

void CColumnHeader::ShowColumns()
{
    ShowWidths(0, m_doc.GetGrid().GetColumnCount() - 1);
    ShowColumnOrder();
}

void CColumnHeader::ShowWidths(int first, int last)
{
    QHeaderView* header = m_table.horizontalHeader();
    const CGridListCtrl& grid = m_doc.GetGrid();
    for (int column = std::max(first, 0); column <= last && column < header->count(); ++column)
        header->resizeSection(column, grid.GetColumnWidth(column));
}

void CColumnHeader::ShowColumnOrder()
{
    QHeaderView* header = m_table.horizontalHeader();
    const std::vector<int> order = m_doc.GetGrid().GetColumnOrderArray();
    for (int shown = 0; shown < static_cast<int>(order.size()) && shown < header->count(); ++shown)
        header->moveSection(header->visualIndex(order[shown]), shown);
}

bool CColumnHeader::HeaderShowsWidths() const
{
    const QHeaderView* header = m_table.horizontalHeader();
    const CGridListCtrl& grid = m_doc.GetGrid();
    if (header->count() != grid.GetColumnCount())
        return true;
    for (int column = 0; column < header->count(); ++column) {
        if (header->sectionSize(column) != grid.GetColumnWidth(column))
            return false;
    }
    return true;
}

// A width the user gives a column is one step once the drag (or the
// double-click that fits the column to its text) is over: the header shows
// the widths meanwhile, and the list takes them when the button is let go.
void CColumnHeader::OnSectionResized()
{
    if (HeaderShowsWidths())
        return;
    if (QGuiApplication::mouseButtons() == Qt::NoButton)
        TakeHeaderWidths();
    else
        m_bWidthsPending = true;
}

void CColumnHeader::TakeHeaderWidths()
{
    m_bWidthsPending = false;
    const QHeaderView* header = m_table.horizontalHeader();
    std::vector<int> widths;
    for (int column = 0; column < header->count(); ++column)
        widths.push_back(header->sectionSize(column));
    GridCommands::ResizeColumns(m_doc, widths);
}

bool CColumnHeader::eventFilter(QObject* watched, QEvent* event)
{
    // The header ends its drag on the release; the widths are taken after.
    if (event->type() == QEvent::MouseButtonRelease && m_bWidthsPending &&
        watched == m_table.horizontalHeader()->viewport())
        QMetaObject::invokeMethod(this, &CColumnHeader::TakeHeaderWidths, Qt::QueuedConnection);
    return false;
}

void CColumnHeader::OnColumnsMoved()
{
    const QHeaderView* header = m_table.horizontalHeader();
    std::vector<int> order;
    for (int shown = 0; shown < header->count(); ++shown)
        order.push_back(header->logicalIndex(shown));
    if (order == m_doc.GetGrid().GetColumnOrderArray())
        return;
    // The open edit goes to its own column before the columns move.
    m_runCommand([this, &order] { GridCommands::ReorderColumns(m_doc, order); });
}

void CColumnHeader::OnColumnClick(int column)
{
    // An open edit is stored in its own row before the rows move.
    m_runCommand([this, column] {
        const ScopedWaitCursor waiting;
        GridCommands::SortByHeaderClick(m_doc, column);
    });
}
