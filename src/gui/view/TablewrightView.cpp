#include "view/TablewrightView.h"

#include "document/TablewrightDoc.h"
#include "edit/GridCommands.h"
#include "platform/Progress.h"
#include "print/PrintJob.h"
#include "resources/StringTable.h"
#include "view/CellEditing.h"
#include "view/ColumnHeader.h"
#include "view/FilterBar.h"
#include "view/FilterController.h"
#include "view/GridKeys.h"
#include "view/GridTableModel.h"
#include "view/GridTableView.h"
#include "view/GridZoom.h"
#include "view/ListCommands.h"
#include "view/StatisticsPane.h"
#include "view/ViewClipboard.h"
#include "view/ViewMenus.h"
#include "view/ViewOptions.h"

#include <QVBoxLayout>

CTablewrightView::CTablewrightView(CTablewrightDoc& doc, IProgress& statusBar, QWidget* parent)
    : QWidget(parent), m_doc(doc), m_wndGrid(doc.GetGrid()), m_statusBar(statusBar),
      m_pOptions(std::make_unique<CViewOptions>(doc))
{
    const CommandRunner run = [this](const std::function<void()>& command) { RunCommand(command); };
    m_pModel = new CGridTableModel(doc, this);
    m_pTable = new CGridTableView(m_wndGrid, this);
    m_pTable->setObjectName(QStringLiteral("grid"));
    m_pTable->setModel(m_pModel);
    m_pFilterBar = new CFilterBar(this);
    m_pFilterBar->hide();
    m_pEditing = new CCellEditing(doc, *m_pTable, *m_pOptions, this);
    new CGridKeys(doc, *m_pTable, *m_pEditing, this);
    new CColumnHeader(doc, *m_pTable, *m_pModel, run, this);
    m_pMenus = new CViewMenus(m_wndGrid, *m_pTable, run, this);
    m_pFilter = new CFilterController(doc, *m_pTable, *m_pModel, *m_pFilterBar, run, this);
    m_pStatistics = new CStatisticsPane(m_wndGrid, m_statusBar, this);
    m_pClipboard = std::make_unique<CViewClipboard>(doc, *m_pEditing);
    m_pCommands = std::make_unique<CListCommands>(doc, *m_pMenus, *this);
    m_pZoom = new CGridZoom(*m_pTable, this);
    m_pZoom->Read();
    // Pages keep their size whatever the zoom on screen.
    m_pPrintJob = std::make_unique<CPrintJob>(m_printer, this, m_pZoom->NormalFont(), m_statusBar);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(m_pFilterBar);
    layout->addWidget(m_pTable);
    setFocusProxy(m_pTable);
    ConnectTable();
}

CTablewrightView::~CTablewrightView() = default;

void CTablewrightView::ConnectTable()
{
    connect(m_pTable, &CGridTableView::gridPressed, this, &CTablewrightView::OnGridPressed);
    connect(m_pTable, &CGridTableView::gridDragged, this,
            [this](int row, int column) { m_wndGrid.Cursor().ExtendTo(row, column); });
    connect(m_pTable, &CGridTableView::rowHeaderPressed, this,
            &CTablewrightView::OnRowHeaderPressed);
    connect(m_pTable, &CGridTableView::gridClicked, this, &CTablewrightView::OnGridClicked);
    connect(m_pTable, &CGridTableView::gridDoubleClicked, this,
            &CTablewrightView::OnGridDoubleClicked);
    connect(m_pModel, &QAbstractItemModel::modelReset, this, &CTablewrightView::OnListReset);
    connect(m_pModel, &CGridTableModel::cursorChanged, this, &CTablewrightView::OnCursorChanged);
    connect(m_pModel, &CGridTableModel::columnOrderChanged, this,
            &CTablewrightView::ShowCurrentCell);
    connect(m_pModel, &CGridTableModel::ensureVisibleRequested, this,
            &CTablewrightView::OnEnsureVisible);
    connect(m_pEditing, &CCellEditing::editingChanged, this,
            &CTablewrightView::commandStateChanged);
    connect(m_pFilter, &CFilterController::rowsShownChanged, this,
            &CTablewrightView::OnCursorChanged);
}

void CTablewrightView::OnInitialUpdate()
{
    m_pOptions->Read();
    GridCommands::PrepareForDocument(m_wndGrid, m_doc.m_bLoaded);
    m_printer.SetGrid(&m_wndGrid);
    m_printer.SetAppName(QString::fromUtf8(Strings::kAppName));
    m_printer.SetDocTitle(m_doc.GetTitle());
    ShowCurrentCell();
}

void CTablewrightView::RunCommand(const std::function<void()>& command)
{
    m_pEditing->EndCellEdit();
    command();
    ShowCurrentCell();
}

// An edit still open is printed as typed: the window stores it first.
void CTablewrightView::OnFilePrint()
{
    m_pPrintJob->Print();
}

void CTablewrightView::OnFilePrintPreview()
{
    m_pPrintJob->Preview();
}

void CTablewrightView::OnFilePrintSetup()
{
    m_pPrintJob->PageSetup();
}

void CTablewrightView::ShowCurrentCell()
{
    m_statusBar.SetStatusPaneText(1, GridCommands::CurrentCellText(m_wndGrid));
    ShowRowsShown();
    m_pStatistics->Update();
    m_pTable->viewport()->update();
}

void CTablewrightView::ShowRowsShown()
{
    const QString text = GridCommands::RowsShownText(m_wndGrid);
    m_statusBar.SetStatusPaneText(0, text.isEmpty() ? QStringLiteral(" ") : text);
}

void CTablewrightView::OnGridPressed(int row, int column, bool extend)
{
    if (extend)
        m_wndGrid.Cursor().ExtendTo(row, column);
    else
        m_wndGrid.Cursor().SetCurrent(row, column);
}

// The press made the cell current; a click where no cell lies leaves none.
void CTablewrightView::OnGridClicked(int row, int column, QPoint pointer)
{
    if (row < 0 || column < 0)
        m_wndGrid.Cursor().SetCurrent(row, column);
    ShowCurrentCell();
    if (m_pOptions->SingleClickEntry() && !m_wndGrid.Cursor().HasRange())
        m_pEditing->BeginCellEdit(row, column, pointer);
}

void CTablewrightView::OnGridDoubleClicked(int row, int column, QPoint pointer)
{
    m_wndGrid.Cursor().SetCurrent(row, column);
    ShowCurrentCell();
    m_pEditing->BeginCellEdit(row, column, pointer);
}

void CTablewrightView::OnRowHeaderPressed(int row, bool extend)
{
    RunCommand([this, row, extend] {
        if (extend)
            m_wndGrid.Cursor().ExtendRowsTo(row);
        else
            m_wndGrid.Cursor().SelectRows(row, row);
    });
}

void CTablewrightView::OnCursorChanged()
{
    const GridCell current = m_wndGrid.Cursor().Current();
    m_pTable->EnsureCellVisible(current.row, current.column);
    ShowCurrentCell();
    Q_EMIT commandStateChanged();
}

// The status bar must not go on naming a cell the new list lacks.
void CTablewrightView::OnListReset()
{
    if (!GridCommands::ForgetVanishedCurrentCell(m_wndGrid))
        ShowCurrentCell();
}

void CTablewrightView::OnEnsureVisible(int row)
{
    // Scrolled once the table has laid out the rows it has just been given.
    QMetaObject::invokeMethod(
        this,
        [this, row] {
            const QModelIndex cell = m_pTable->CellIndex(row, std::max(0, m_pTable->columnAt(0)));
            if (cell.isValid())
                m_pTable->scrollTo(cell, QAbstractItemView::EnsureVisible);
        },
        Qt::QueuedConnection);
}
