#pragma once

#include "grid/GridListCtrl.h"

#include <QWidget>

class CGridTableModel;
class CGridTableView;
class CTablewrightDoc;
class IProgress;
class QLineEdit;

// The one view of the document: the grid filling the window, the in-place
// cell editor lying hidden over it, the current cell and the two options of
// the "Options" menu.
class CTablewrightView : public QWidget
{
    Q_OBJECT

public:
    CTablewrightView(CTablewrightDoc& doc, IProgress& statusBar, QWidget* parent = nullptr);
    ~CTablewrightView() override;

    // Runs after every New and Open: applies the grid's set-up, reads the
    // options and supplies the default columns of a new list.
    void OnInitialUpdate();
    // Shows the current cell in the status bar and frames it in the grid.
    void ShowCurrentCell();

    void OnOptionSingleClickEntry();
    void OnOptionGoToLastItem();

    CGridTableView* GridWidget() const { return m_pTable; }
    QLineEdit* CellEditor() const { return m_wndCellEdit; }

    int m_bSingleClickEntry = 0;
    int m_bGoToLastItem = 0;
    // The document's list, shown here.
    CGridListCtrl& m_wndGrid;
    int m_bSortAscending = 1;
    int m_nSortColumn = -1;
    int m_nMenuColumn = -1;

private:
    void OnGridClicked(int row, int column);
    void ApplyColumnWidths(int first, int last);
    void OnSectionResized(int column, int oldWidth, int newWidth);
    void ShowColumnOrder();
    void OnSectionMoved();
    void OnColumnsMoved();
    void ShowSelection(int row);
    void OnSelectionChanged();
    void OnEnsureVisible(int row, bool partialOk);
    void ReadOptions();

    CTablewrightDoc& m_doc;
    IProgress& m_statusBar;
    CGridTableModel* m_pModel = nullptr;
    CGridTableView* m_pTable = nullptr;
    QLineEdit* m_wndCellEdit = nullptr;
    bool m_bSyncing = false;
};
