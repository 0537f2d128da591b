#pragma once

#include "print/GridPrinter.h"

#include <QPoint>
#include <QWidget>

#include <functional>
#include <memory>

class CCellEditing;
class CFilterBar;
class CFilterController;
class CGridListCtrl;
class CGridTableModel;
class CGridTableView;
class CGridZoom;
class CListCommands;
class CPrintJob;
class CTablewrightDoc;
class CViewClipboard;
class CViewMenus;
class CStatisticsPane;
class CViewOptions;
class IProgress;

// The one view of the document: the filter bar over the grid, which fills
// the window. It puts together the parts that each do one job (the table
// and its model, the column header, the keys, the cell editor, the
// clipboard, the filter, the menus, the list commands, the options, the
// zoom), and
// runs every command the same way: an open edit is stored first, and the
// current cell is shown afterwards.
class CTablewrightView : public QWidget
{
    Q_OBJECT

public:
    CTablewrightView(CTablewrightDoc& doc, IProgress& statusBar, QWidget* parent = nullptr);
    ~CTablewrightView() override;

    // Runs after every New and Open: applies the grid's set-up, reads the
    // options and supplies the default columns of a new list.
    void OnInitialUpdate();
    // Stores an open edit, runs command, and shows where the cursor is.
    // Every command goes through here, from the window's menus and from the
    // grid's own header, menus and filter bar alike.
    void RunCommand(const std::function<void()>& command);
    // Shows the current cell in the status bar and frames it in the grid.
    void ShowCurrentCell();

    // Printing: the print dialog, the preview and the page set-up. The
    // title printed is the list's as it was created or opened.
    void OnFilePrint();
    void OnFilePrintPreview();
    void OnFilePrintSetup();
    CGridPrinter& Printer() { return m_printer; }
    CPrintJob& PrintJob() { return *m_pPrintJob; }

    CGridTableView* GridWidget() const { return m_pTable; }
    CCellEditing& Editing() const { return *m_pEditing; }
    CViewClipboard& Clipboard() const { return *m_pClipboard; }
    CListCommands& Commands() const { return *m_pCommands; }
    CFilterController& Filter() const { return *m_pFilter; }
    CFilterBar* FilterBar() const { return m_pFilterBar; }
    CViewMenus& Menus() const { return *m_pMenus; }
    CViewOptions& Options() const { return *m_pOptions; }
    CGridZoom& Zoom() const { return *m_pZoom; }

Q_SIGNALS:
    // The cursor or the editor changed: what the commands may do changed.
    void commandStateChanged();

private:
    void ConnectTable();
    void OnGridPressed(int row, int column, bool extend);
    void OnGridClicked(int row, int column, QPoint pointer);
    void OnGridDoubleClicked(int row, int column, QPoint pointer);
    void OnRowHeaderPressed(int row, bool extend);
    // The current cell or the range moved: it is scrolled into view, framed
    // and named in the status bar.
    void OnCursorChanged();
    void OnListReset();
    void OnEnsureVisible(int row);
    void ShowRowsShown();

    CTablewrightDoc& m_doc;
    CGridListCtrl& m_wndGrid;
    IProgress& m_statusBar;
    CGridPrinter m_printer;
    CGridTableModel* m_pModel = nullptr;
    CGridTableView* m_pTable = nullptr;
    CFilterBar* m_pFilterBar = nullptr;
    CCellEditing* m_pEditing = nullptr;
    CViewMenus* m_pMenus = nullptr;
    CFilterController* m_pFilter = nullptr;
    CStatisticsPane* m_pStatistics = nullptr;
    CGridZoom* m_pZoom = nullptr;
    std::unique_ptr<CViewOptions> m_pOptions;
    std::unique_ptr<CViewClipboard> m_pClipboard;
    std::unique_ptr<CListCommands> m_pCommands;
    std::unique_ptr<CPrintJob> m_pPrintJob;
};
