#pragma once

#include "view/CommandRunner.h"

#include <QObject>

class CFilterBar;
class CGridListCtrl;
class CTablewrightDoc;
class CGridTableModel;
class CGridTableView;
class QTimer;

// The row filter: the bar above the grid, what its text and choices do to
// the rows shown, and the row menu's filter items. The filter is the
// document's; the bar sends it what the user types and chooses, and shows
// a filter chosen elsewhere.
class CFilterController : public QObject
{
    Q_OBJECT

public:
    CFilterController(CTablewrightDoc& doc, CGridTableView& table, CGridTableModel& model,
                      CFilterBar& bar, CommandRunner runCommand, QObject* parent = nullptr);

    // The bar opens, or closes and shows every row again.
    void OnEditFilter();
    // Filters on the current cell's text, whole cell and case respected.
    void OnFilterOnValue();
    void OnClearFilter();
    bool IsFilterBarOpen() const;
    bool IsFiltering() const;
    bool HasCurrentText() const;

Q_SIGNALS:
    // Other rows are shown.
    void rowsShownChanged();

private:
    void OnFilterEdited();
    void ApplyFilterNow();
    // Enter or Down in the text: the keyboard goes to the first row shown.
    void OnFilterLeft();
    void CloseFilterBar();
    void ShowFilterColumns();
    // A new list came in: the filter it dropped closes its bar.
    void OnListReset();

    CTablewrightDoc& m_doc;
    CGridListCtrl& m_grid;
    CGridTableView& m_table;
    CFilterBar& m_bar;
    CommandRunner m_runCommand;
    QTimer* m_pTimer = nullptr;
};
