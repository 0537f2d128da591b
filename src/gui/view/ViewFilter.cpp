// The view's row filter: the bar above the grid, the row menu's filter
// items, and the count of rows shown in the status bar.
#include "view/TablewrightView.h"

#include "edit/GridCommands.h"
#include "edit/RowFilter.h"
#include "platform/Progress.h"
#include "view/FilterBar.h"
#include "view/GridTableModel.h"
#include "view/GridTableView.h"
#include "view/ScopedWaitCursor.h"

#include <QApplication>
#include <QBoxLayout>
#include <QTimer>

namespace {

// Lists up to this many rows are filtered at each key; longer ones once
// the typing pauses.
constexpr int kInstantFilterRows = 50000;
constexpr int kFilterPauseMs = 250;

} // namespace

void CTablewrightView::CreateFilterBar()
{
    m_pFilterBar = new CFilterBar(this);
    m_pFilterBar->hide();
    static_cast<QBoxLayout*>(layout())->insertWidget(0, m_pFilterBar);
    m_pFilterTimer = new QTimer(this);
    m_pFilterTimer->setSingleShot(true);
    m_pFilterTimer->setInterval(kFilterPauseMs);
    connect(m_pFilterTimer, &QTimer::timeout, this, &CTablewrightView::ApplyFilterNow);
    connect(m_pFilterBar, &CFilterBar::filterEdited, this, &CTablewrightView::OnFilterEdited);
    connect(m_pFilterBar, &CFilterBar::leaveRequested, this, &CTablewrightView::OnFilterLeft);
    connect(m_pFilterBar, &CFilterBar::closeRequested, this, &CTablewrightView::CloseFilterBar);
    connect(m_pModel, &CGridTableModel::columnHeadersChanged, this,
            &CTablewrightView::ShowFilterColumns);
    connect(m_pModel, &QAbstractItemModel::columnsInserted, this,
            &CTablewrightView::ShowFilterColumns);
    connect(m_pModel, &QAbstractItemModel::columnsRemoved, this,
            &CTablewrightView::ShowFilterColumns);
    connect(m_pModel, &QAbstractItemModel::modelReset, this, &CTablewrightView::OnListReset);
    ShowFilterColumns();
}

bool CTablewrightView::IsFilterBarOpen() const
{
    return !m_pFilterBar->isHidden();
}

bool CTablewrightView::HasCurrentText() const
{
    return CurrentValueFilter(m_wndGrid).has_value();
}

void CTablewrightView::OnEditFilter()
{
    if (IsFilterBarOpen()) {
        CloseFilterBar();
        return;
    }
    EndCellEdit();
    m_pFilterBar->Open();
    Q_EMIT commandStateChanged();
}

void CTablewrightView::OnFilterOnValue()
{
    EndCellEdit();
    const std::optional<RowFilter> filter = CurrentValueFilter(m_wndGrid);
    if (!filter)
        return;
    m_pFilterBar->SetFilter(*filter);
    m_pFilterBar->show();
    ApplyFilterNow();
    m_pTable->setFocus(Qt::OtherFocusReason);
}

void CTablewrightView::OnClearFilter()
{
    CloseFilterBar();
}

void CTablewrightView::OnFilterEdited()
{
    if (m_wndGrid.GetItemCount() <= kInstantFilterRows)
        ApplyFilterNow();
    else
        m_pFilterTimer->start();
}

// The filter is a view of the list: no step, no change to save.
void CTablewrightView::ApplyFilterNow()
{
    m_pFilterTimer->stop();
    CommitBeforeCommand();
    {
        const ScopedWaitCursor waiting;
        ApplyFilter(m_wndGrid, m_pFilterBar->Filter());
    }
    OnCursorChanged();
}

// Enter or Down in the text: the keyboard goes to the first row shown.
void CTablewrightView::OnFilterLeft()
{
    if (m_pFilterTimer->isActive())
        ApplyFilterNow();
    m_pTable->setFocus(Qt::OtherFocusReason);
    const int first = m_wndGrid.Shown().ListRow(0);
    if (first >= 0)
        m_wndGrid.Cursor().SetCurrent(first, std::max(m_wndGrid.Cursor().CurrentColumn(), 0));
}

void CTablewrightView::CloseFilterBar()
{
    m_pFilterTimer->stop();
    const bool hadFocus = m_pFilterBar->isAncestorOf(QApplication::focusWidget());
    m_pFilterBar->hide();
    m_wndGrid.ShowAllRows();
    if (hadFocus)
        m_pTable->setFocus(Qt::OtherFocusReason);
    OnCursorChanged();
}

void CTablewrightView::ShowFilterColumns()
{
    QStringList names;
    for (int column = 0; column < m_wndGrid.GetColumnCount(); ++column)
        names << QString::fromStdString(m_wndGrid.GetColumnName(column));
    m_pFilterBar->SetColumns(names);
}

void CTablewrightView::OnListReset()
{
    ShowFilterColumns();
    if (IsFilterBarOpen() && !IsFiltering() && !m_pFilterBar->Filter().text.empty())
        CloseFilterBar();
}

void CTablewrightView::ShowRowsShown()
{
    const QString text = GridCommands::RowsShownText(m_wndGrid);
    m_statusBar.SetStatusPaneText(0, text.isEmpty() ? QStringLiteral(" ") : text);
}
