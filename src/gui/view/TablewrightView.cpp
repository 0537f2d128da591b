#include "view/TablewrightView.h"

#include "app/Settings.h"
#include "document/TablewrightDoc.h"
#include "edit/GridCommands.h"
#include "platform/Progress.h"
#include "print/PrintJob.h"
#include "resources/StringTable.h"
#include "view/CellEditor.h"
#include "view/DesktopShell.h"
#include "view/GridTableModel.h"
#include "view/GridTableView.h"

#include <QGuiApplication>
#include <QHeaderView>
#include <QScopedValueRollback>
#include <QVBoxLayout>

CTablewrightView::CTablewrightView(CTablewrightDoc& doc, IProgress& statusBar, QWidget* parent)
    : QWidget(parent), m_wndGrid(doc.GetGrid()), m_doc(doc), m_statusBar(statusBar),
      m_pShell(std::make_unique<CDesktopShell>())
{
    // A list named on the command line is read before the first update:
    // it already scrolls as the options say.
    ReadOptions();
    m_doc.SetOpenEditFlusher([this] { EndCellEdit(); });
    m_pModel = new CGridTableModel(m_wndGrid, this);
    m_pTable = new CGridTableView(m_wndGrid, this);
    m_pTable->setObjectName(QStringLiteral("grid"));
    m_pTable->setModel(m_pModel);
    m_wndCellEdit = new CCellEditor(this);
    m_wndCellEdit->setObjectName(QStringLiteral("cellEdit"));
    m_wndCellEdit->hide();
    m_pPrintJob = std::make_unique<CPrintJob>(m_printer, this, m_pTable->font(), m_statusBar);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(m_pTable);
    CreateFilterBar();
    setFocusProxy(m_pTable);

    m_pTable->installEventFilter(this);
    m_pTable->horizontalHeader()->viewport()->installEventFilter(this);
    m_wndCellEdit->WatchWith(this);
    connect(m_pTable, &CGridTableView::gridPressed, this, &CTablewrightView::OnGridPressed);
    connect(m_pTable, &CGridTableView::gridDragged, this,
            [this](int row, int column) { m_wndGrid.Cursor().ExtendTo(row, column); });
    connect(m_pTable, &CGridTableView::rowHeaderPressed, this,
            &CTablewrightView::OnRowHeaderPressed);
    connect(m_pTable, &CGridTableView::gridClicked, this, &CTablewrightView::OnGridClicked);
    connect(m_pTable, &CGridTableView::gridDoubleClicked, this,
            &CTablewrightView::OnGridDoubleClicked);
    connect(m_pTable, &CGridTableView::headerRightClicked, this,
            &CTablewrightView::OnHeaderRightClicked);
    connect(m_pTable, &CGridTableView::gridRightClicked, this,
            &CTablewrightView::OnGridRightClicked);
    ConnectModel();
    connect(m_pTable->horizontalHeader(), &QHeaderView::sectionResized, this,
            &CTablewrightView::OnSectionResized);
    connect(m_pTable->horizontalHeader(), &QHeaderView::sectionMoved, this,
            &CTablewrightView::OnSectionMoved);
    connect(m_pTable->horizontalHeader(), &QHeaderView::sectionClicked, this,
            &CTablewrightView::OnColumnClick);
}

void CTablewrightView::ConnectModel()
{
    connect(m_pModel, &CGridTableModel::columnHeadersChanged, this,
            &CTablewrightView::ApplyColumnWidths);
    // While the header lays out new sections it reports sizes of its own;
    // the grid's widths are given to it afterwards.
    connect(m_pModel, &QAbstractItemModel::columnsAboutToBeInserted, this,
            [this] { m_bSyncing = true; });
    connect(m_pModel, &QAbstractItemModel::columnsInserted, this,
            [this](const QModelIndex&, int first, int last) {
                m_bSyncing = false;
                ApplyColumnWidths(first, last);
            });
    connect(m_pModel, &QAbstractItemModel::modelAboutToBeReset, this,
            [this] { m_bSyncing = true; });
    connect(m_pModel, &QAbstractItemModel::modelReset, this, [this] {
        m_bSyncing = false;
        ApplyColumnWidths(0, m_wndGrid.GetColumnCount() - 1);
        ShowColumnOrder();
        // The status bar must not go on naming a cell the new list lacks.
        if (!GridCommands::ForgetVanishedCurrentCell(m_wndGrid))
            ShowCurrentCell();
    });
    // A reorder puts other cells under the cursor: they are drawn anew.
    connect(m_pModel, &CGridTableModel::columnOrderChanged, this, [this] {
        ShowColumnOrder();
        ShowSelection();
    });
    connect(m_pModel, &CGridTableModel::cursorChanged, this, &CTablewrightView::OnCursorChanged);
    connect(m_pModel, &CGridTableModel::ensureVisibleRequested, this,
            &CTablewrightView::OnEnsureVisible);
}

CTablewrightView::~CTablewrightView()
{
    m_doc.SetOpenEditFlusher({});
}

void CTablewrightView::SetShell(std::unique_ptr<IShell> shell)
{
    m_pShell = std::move(shell);
}

void CTablewrightView::ReadOptions()
{
    const Settings::Store settings;
    m_bSingleClickEntry = settings.ReadInt(Settings::kSingleClickEntry);
    m_bGoToLastItem = settings.ReadInt(Settings::kGoToLastItem);
    m_doc.SetGoToLastItem(m_bGoToLastItem);
}

void CTablewrightView::OnInitialUpdate()
{
    ReadOptions();
    m_wndCellEdit->setParent(m_pTable->viewport());
    m_wndCellEdit->hide();
    m_bEditing = false;
    GridCommands::PrepareForDocument(m_wndGrid, m_doc.m_bLoaded);
    m_printer.SetGrid(&m_wndGrid);
    m_printer.SetAppName(QString::fromUtf8(Strings::kAppName));
    m_printer.SetDocTitle(m_doc.GetTitle());
    ShowCurrentCell();
}

// An edit still open is printed as typed.
void CTablewrightView::OnFilePrint()
{
    CommitBeforeCommand();
    m_pPrintJob->Print();
}

void CTablewrightView::OnFilePrintPreview()
{
    CommitBeforeCommand();
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
    m_pTable->viewport()->update();
}

void CTablewrightView::OnOptionSingleClickEntry()
{
    m_bSingleClickEntry = !m_bSingleClickEntry;
    Settings::Store().WriteInt(Settings::kSingleClickEntry, m_bSingleClickEntry);
}

void CTablewrightView::OnOptionGoToLastItem()
{
    m_bGoToLastItem = !m_bGoToLastItem;
    m_doc.SetGoToLastItem(m_bGoToLastItem);
    Settings::Store().WriteInt(Settings::kGoToLastItem, m_bGoToLastItem);
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
    if (m_bSingleClickEntry == 1 && !m_wndGrid.Cursor().HasRange())
        BeginCellEdit(row, column, pointer);
}

void CTablewrightView::OnGridDoubleClicked(int row, int column, QPoint pointer)
{
    m_wndGrid.Cursor().SetCurrent(row, column);
    ShowCurrentCell();
    BeginCellEdit(row, column, pointer);
}

void CTablewrightView::OnRowHeaderPressed(int row, bool extend)
{
    EndCellEdit();
    if (extend)
        m_wndGrid.Cursor().ExtendRowsTo(row);
    else
        m_wndGrid.Cursor().SelectRows(row, row);
}

void CTablewrightView::OnCursorChanged()
{
    const GridCell current = m_wndGrid.Cursor().Current();
    m_pTable->EnsureCellVisible(current.row, current.column);
    ShowCurrentCell();
    ShowSelection();
}

void CTablewrightView::ApplyColumnWidths(int first, int last)
{
    const QScopedValueRollback syncing(m_bSyncing, true);
    QHeaderView* header = m_pTable->horizontalHeader();
    for (int column = std::max(first, 0); column <= last && column < header->count(); ++column)
        header->resizeSection(column, m_wndGrid.GetColumnWidth(column));
}

// The header keeps a display order of its own: it is made the grid's.
void CTablewrightView::ShowColumnOrder()
{
    const QScopedValueRollback syncing(m_bSyncing, true);
    QHeaderView* header = m_pTable->horizontalHeader();
    const std::vector<int> order = m_wndGrid.GetColumnOrderArray();
    for (int shown = 0; shown < static_cast<int>(order.size()) && shown < header->count(); ++shown)
        header->moveSection(header->visualIndex(order[shown]), shown);
}

// A width the user gives a column is one step once the drag (or the
// double-click that fits the column to its text) is over: the header shows
// the widths meanwhile, and the list takes them when the button is let go.
void CTablewrightView::OnSectionResized(int column, int, int)
{
    if (!m_bSyncing) {
        if (QGuiApplication::mouseButtons() == Qt::NoButton)
            TakeHeaderWidths();
        else
            m_bWidthsPending = true;
    }
    if (m_bEditing && column == m_wndGrid.Cursor().CurrentColumn())
        PlaceCellEditor();
}

void CTablewrightView::TakeHeaderWidths()
{
    m_bWidthsPending = false;
    const QHeaderView* header = m_pTable->horizontalHeader();
    std::vector<int> widths;
    for (int column = 0; column < header->count(); ++column)
        widths.push_back(header->sectionSize(column));
    const QScopedValueRollback syncing(m_bSyncing, true);
    GridCommands::ResizeColumns(m_doc, widths);
}

void CTablewrightView::OnSectionMoved()
{
    if (m_bSyncing)
        return;
    // The header finishes its own move first; the cells follow afterwards.
    QMetaObject::invokeMethod(this, &CTablewrightView::OnColumnsMoved, Qt::QueuedConnection);
}

void CTablewrightView::OnColumnsMoved()
{
    // The open edit goes to its own column before the columns move.
    CommitBeforeCommand();
    const QHeaderView* header = m_pTable->horizontalHeader();
    std::vector<int> order;
    for (int shown = 0; shown < header->count(); ++shown)
        order.push_back(header->logicalIndex(shown));
    {
        const QScopedValueRollback syncing(m_bSyncing, true);
        GridCommands::ReorderColumns(m_doc, order);
    }
    ShowSelection();
}

// The grid draws its selection from the core at each paint.
void CTablewrightView::ShowSelection()
{
    m_pTable->viewport()->update();
    Q_EMIT commandStateChanged();
}

void CTablewrightView::OnEnsureVisible(int row, bool)
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
