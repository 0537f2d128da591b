#include "view/ViewMenus.h"

#include "edit/GridCommands.h"
#include "grid/GridListCtrl.h"
#include "platform/Shell.h"
#include "view/DesktopShell.h"
#include "view/GridTableView.h"

CViewMenus::CViewMenus(CGridListCtrl& grid, CGridTableView& table, CommandRunner runCommand,
                       QObject* parent)
    : QObject(parent), m_grid(grid), m_runCommand(std::move(runCommand)),
      m_pShell(std::make_unique<CDesktopShell>())
{
    connect(&table, &CGridTableView::headerRightClicked, this, &CViewMenus::OnHeaderRightClicked);
    connect(&table, &CGridTableView::gridRightClicked, this, &CViewMenus::OnGridRightClicked);
}

CViewMenus::~CViewMenus() = default;

void CViewMenus::SetShell(std::unique_ptr<IShell> shell)
{
    m_pShell = std::move(shell);
}

void CViewMenus::OnHeaderRightClicked(int column, const QPoint& globalPos)
{
    m_nMenuColumn = column;
    Q_EMIT columnMenuRequested(globalPos);
}

// An open edit is stored even where no menu opens.
void CViewMenus::OnGridRightClicked(int row, int column, const QPoint& globalPos)
{
    bool rowMenu = false;
    m_runCommand([&] {
        if (m_grid.GetColumnCount() == 0 || row < 0 || column < 0)
            return;
        // Within a range the menu acts on the range: its rows are the ones
        // to delete.
        const CGridSelection& cursor = m_grid.Cursor();
        if (!cursor.HasRange() || !cursor.Range().Contains(row, column))
            m_grid.Cursor().SetCurrent(row, column);
        rowMenu = true;
    });
    // With no column there is no cell: the column menu can add one.
    if (m_grid.GetColumnCount() == 0)
        OnHeaderRightClicked(-1, globalPos);
    else if (rowMenu)
        Q_EMIT rowMenuRequested(globalPos,
                                Launch::Classify(GridCommands::CurrentCellContent(m_grid)));
}

void CViewMenus::OnLaunchWithShell()
{
    Launch::Open(*m_pShell, GridCommands::CurrentCellContent(m_grid));
}

void CViewMenus::OnLaunchCommand()
{
    Launch::Run(*m_pShell, GridCommands::CurrentCellContent(m_grid));
}
