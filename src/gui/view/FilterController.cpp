#include "view/FilterController.h"

#include "document/TablewrightDoc.h"
#include "edit/GridCommands.h"
#include "edit/Pattern.h"
#include "edit/RowFilter.h"
#include "grid/GridListCtrl.h"
#include "view/FilterBar.h"
#include "view/GridTableModel.h"
#include "view/GridTableView.h"
#include "view/ScopedWaitCursor.h"

#include <QApplication>
#include <QTimer>

namespace {

// Lists up to this many rows are filtered at each key; longer ones once
// the typing pauses.
constexpr int kInstantFilterRows = 50000;
constexpr int kFilterPauseMs = 250;

} // namespace

CFilterController::CFilterController(CTablewrightDoc& doc, CGridTableView& table,
                                     CGridTableModel& model, CFilterBar& bar,
                                     CommandRunner runCommand, QObject* parent)
    : QObject(parent), m_doc(doc), m_grid(doc.GetGrid()), m_table(table), m_bar(bar),
      m_runCommand(std::move(runCommand)), m_pTimer(new QTimer(this))
{
    m_pTimer->setSingleShot(true);
    m_pTimer->setInterval(kFilterPauseMs);
    connect(m_pTimer, &QTimer::timeout, this, &CFilterController::ApplyFilterNow);
    connect(&bar, &CFilterBar::filterEdited, this, &CFilterController::OnFilterEdited);
    connect(&bar, &CFilterBar::leaveRequested, this, &CFilterController::OnFilterLeft);
    connect(&bar, &CFilterBar::closeRequested, this, &CFilterController::CloseFilterBar);
    connect(&model, &CGridTableModel::columnHeadersChanged, this,
            &CFilterController::ShowFilterColumns);
    connect(&model, &QAbstractItemModel::columnsInserted, this,
            &CFilterController::ShowFilterColumns);
    connect(&model, &QAbstractItemModel::columnsRemoved, this,
            &CFilterController::ShowFilterColumns);
    connect(&model, &QAbstractItemModel::modelReset, this, &CFilterController::OnListReset);
    ShowFilterColumns();
}

bool CFilterController::IsFilterBarOpen() const
{
    return !m_bar.isHidden();
}

bool CFilterController::IsFiltering() const
{
    return m_grid.Shown().IsFiltering();
}

bool CFilterController::HasCurrentText() const
{
    return CurrentValueFilter(m_grid).has_value();
}

void CFilterController::OnEditFilter()
{
    if (IsFilterBarOpen())
        CloseFilterBar();
    else
        m_bar.Open();
}

void CFilterController::OnFilterOnValue()
{
    const std::optional<RowFilter> filter = CurrentValueFilter(m_grid);
    if (!filter)
        return;
    {
        const ScopedWaitCursor waiting;
        m_doc.SetFilter(*filter);
    }
    m_bar.SetFilter(m_doc.Filter());
    m_bar.show();
    m_table.setFocus(Qt::OtherFocusReason);
    Q_EMIT rowsShownChanged();
}

void CFilterController::OnClearFilter()
{
    CloseFilterBar();
}

// A pattern that does not compile is told at once, however long the list,
// and the rows shown stay as they were.
void CFilterController::OnFilterEdited()
{
    const RowFilter filter = m_bar.Filter();
    const QString problem = filter.regex ? CPattern::SyntaxProblem(filter.text) : QString();
    m_bar.ShowProblem(problem);
    if (!problem.isEmpty())
        m_pTimer->stop();
    else if (m_grid.GetItemCount() <= kInstantFilterRows)
        ApplyFilterNow();
    else
        m_pTimer->start();
}

// A pattern that runs past its limit on a cell is told in the bar, like one
// that does not compile.
void CFilterController::ApplyFilterNow()
{
    m_pTimer->stop();
    QString failure;
    m_runCommand([this, &failure] {
        const ScopedWaitCursor waiting;
        failure = m_doc.TrySetFilter(m_bar.Filter());
    });
    m_bar.ShowProblem(failure);
    Q_EMIT rowsShownChanged();
}

void CFilterController::OnFilterLeft()
{
    if (m_pTimer->isActive())
        ApplyFilterNow();
    m_table.setFocus(Qt::OtherFocusReason);
    const int first = m_table.ListRow(0);
    if (first >= 0)
        m_grid.Cursor().SetCurrent(first, std::max(m_grid.Cursor().CurrentColumn(), 0));
}

void CFilterController::CloseFilterBar()
{
    m_pTimer->stop();
    const bool hadFocus = m_bar.isAncestorOf(QApplication::focusWidget());
    m_bar.hide();
    m_doc.SetFilter({});
    if (hadFocus)
        m_table.setFocus(Qt::OtherFocusReason);
    Q_EMIT rowsShownChanged();
}

void CFilterController::ShowFilterColumns()
{
    QStringList names;
    for (int column = 0; column < m_grid.GetColumnCount(); ++column)
        names << QString::fromStdString(m_grid.GetColumnName(column));
    m_bar.SetColumns(names);
}

void CFilterController::OnListReset()
{
    ShowFilterColumns();
    if (IsFilterBarOpen() && m_doc.Filter().text.empty() && !m_bar.Filter().text.empty())
        CloseFilterBar();
}
