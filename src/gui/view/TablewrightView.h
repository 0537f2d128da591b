#pragma once

#include "edit/Launch.h"
#include "edit/TextMatch.h"
#include "grid/GridListCtrl.h"
#include "print/GridPrinter.h"

#include <QPoint>
#include <QWidget>

#include <memory>

class CCellEditor;
class CFilterBar;
class CGridTableModel;
class CPrintJob;
class CGridTableView;
class CTablewrightDoc;
class IProgress;
class IShell;
class QKeyEvent;
class QTimer;

// The one view of the document: the grid filling the window, the in-place
// cell editor lying hidden over it, the current cell, the two options of
// the "Options" menu, and the commands that change rows and columns.
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

    // The in-place editor. BeginCellEdit with row -1 first appends rows
    // down to the pointer at pointer (viewport coordinates).
    void BeginCellEdit(int row, int column);
    void BeginCellEdit(int row, int column, QPoint pointer);
    void EndCellEdit();
    void CancelCellEdit();
    void FillRangeFromEditor();
    bool IsEditing() const { return m_bEditing; }

    // Row commands, on the selected row.
    void OnRowInsertAbove();
    void OnRowInsertBelow();
    void OnRowDelete();
    void OnRowMoveUp();
    void OnRowMoveDown();
    bool HasSelectedRow() const { return m_wndGrid.Cursor().CurrentRow() >= 0; }
    // Column commands, on m_nMenuColumn; on a list without columns only the
    // insertions, which add its first column.
    bool HasMenuColumn() const
    {
        return m_nMenuColumn >= 0 && m_nMenuColumn < m_wndGrid.GetColumnCount();
    }
    void OnColumnRename();
    void OnColumnInsertBefore();
    void OnColumnInsertAfter();
    void OnColumnDelete();
    void OnEditUndo();
    void OnEditRedo();

    // The clipboard, on the current cell.
    void OnEditCopy();
    void OnEditCut();
    void OnEditPaste();
    // Search and replace-all, for the main window's Find and Replace.
    void FindText(const FindRequest& request);
    void ReplaceAll(const ReplaceRequest& request);
    // The row menu's launch items, on the current cell's text.
    void OnLaunchWithShell();
    void OnLaunchCommand();
    // Where links, folders and commands go; the desktop unless replaced.
    void SetShell(std::unique_ptr<IShell> shell);

    // Printing: the print dialog, the preview and the page set-up. The
    // title printed is the list's as it was created or opened.
    void OnFilePrint();
    void OnFilePrintPreview();
    void OnFilePrintSetup();
    CPrintJob& PrintJob() { return *m_pPrintJob; }

    // The row filter: the bar above the grid opens, or closes and shows
    // every row again; the row menu filters on the current cell's text
    // (whole cell, case respected) or removes the filter.
    void OnEditFilter();
    void OnFilterOnValue();
    void OnClearFilter();
    bool IsFilterBarOpen() const;
    bool IsFiltering() const { return m_wndGrid.Shown().IsFiltering(); }
    bool HasCurrentText() const;
    CFilterBar* FilterBar() const { return m_pFilterBar; }

    CGridTableView* GridWidget() const { return m_pTable; }
    CCellEditor* CellEditor() const { return m_wndCellEdit; }

    int m_bSingleClickEntry = 0;
    int m_bGoToLastItem = 0;
    // The document's list, shown here.
    CGridListCtrl& m_wndGrid;
    int m_bSortAscending = 1;
    int m_nSortColumn = -1;
    int m_nMenuColumn = -1;
    CGridPrinter m_printer;

Q_SIGNALS:
    // The selection or the editor changed: what the commands may do changed.
    void commandStateChanged();
    // A header was right-clicked: the column menu is to open at globalPos.
    void columnMenuRequested(const QPoint& globalPos);
    // A cell was right-clicked: the row menu is to open at globalPos, with
    // the launch item that the cell's text calls for.
    void rowMenuRequested(const QPoint& globalPos, Launch::Kind launch);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void OnGridPressed(int row, int column, bool extend);
    void OnGridClicked(int row, int column, QPoint pointer);
    void OnRowHeaderPressed(int row, bool extend);
    // The current cell or the range moved: it is scrolled into view, framed
    // and named in the status bar.
    void OnCursorChanged();
    void OnGridDoubleClicked(int row, int column, QPoint pointer);
    void OnHeaderRightClicked(int column, const QPoint& globalPos);
    // A click on a header sorts by its column, turning the direction round
    // on each further click of the same column.
    void OnColumnClick(int column);
    void OnGridRightClicked(int row, int column, const QPoint& globalPos);
    // Copy and cut show the cell's stored text in the editor, selected,
    // and put it on the clipboard.
    QString ShowStoredTextInEditor();
    // Puts the range on the clipboard as text and as an HTML table.
    void CopyRange();
    void ApplyColumnWidths(int first, int last);
    void OnSectionResized(int column, int oldWidth, int newWidth);
    void TakeHeaderWidths();
    void ShowColumnOrder();
    void OnSectionMoved();
    void OnColumnsMoved();
    void ShowSelection();
    void OnEnsureVisible(int row, bool partialOk);
    void ReadOptions();
    void ConnectModel();

    // Editing: keys seen by the grid and the editor, the typed-character
    // start, the move to the next cell, and placing the editor.
    bool OnEditingKey(QObject* watched, const QKeyEvent& key);
    bool StartEditWithKey(const QKeyEvent& key);
    // Keys that move the cursor or act on the range while no edit is open.
    bool OnGridKey(const QKeyEvent& key);
    int PageRows() const;
    void MoveEditTo(int row, int column);
    void MoveEditByArrow(int arrowKey);
    int RowUnderPointer(QPoint pointer);
    void PlaceCellEditor();
    void CloseCellEditor();
    // An open edit is stored before a command changes the list under it.
    void CommitBeforeCommand();

    void CreateFilterBar();
    void OnFilterEdited();
    void ApplyFilterNow();
    void OnFilterLeft();
    void CloseFilterBar();
    void ShowFilterColumns();
    // A new list came in: the filter it dropped closes its bar.
    void OnListReset();
    void ShowRowsShown();

    CTablewrightDoc& m_doc;
    IProgress& m_statusBar;
    CGridTableModel* m_pModel = nullptr;
    CGridTableView* m_pTable = nullptr;
    CCellEditor* m_wndCellEdit = nullptr;
    CFilterBar* m_pFilterBar = nullptr;
    QTimer* m_pFilterTimer = nullptr;
    std::unique_ptr<IShell> m_pShell;
    std::unique_ptr<CPrintJob> m_pPrintJob;
    bool m_bEditing = false;
    bool m_bSyncing = false;
    // The header's widths changed during a drag not yet let go.
    bool m_bWidthsPending = false;
};
