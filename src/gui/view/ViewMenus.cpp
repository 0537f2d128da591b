// The row menu opened on a cell, and the launch items on top of it.
#include "view/TablewrightView.h"

#include "edit/GridCommands.h"
#include "edit/Launch.h"
#include "platform/Shell.h"

void CTablewrightView::OnGridRightClicked(int row, int column, const QPoint& globalPos)
{
    // An open edit is stored even where no menu opens.
    EndCellEdit();
    // With no column there is no cell: the column menu can add one.
    if (m_wndGrid.GetColumnCount() == 0) {
        OnHeaderRightClicked(-1, globalPos);
        return;
    }
    if (row < 0 || column < 0)
        return;
    // Within a range the menu acts on the range: its rows are the ones to
    // delete.
    const CGridSelection& cursor = m_wndGrid.Cursor();
    if (!cursor.HasRange() || !cursor.Range().Contains(row, column))
        m_wndGrid.Cursor().SetCurrent(row, column);
    ShowCurrentCell();
    const std::string current = GridCommands::CurrentCellContent(m_wndGrid);
    Q_EMIT rowMenuRequested(globalPos, Launch::Classify(current));
}

void CTablewrightView::OnLaunchWithShell()
{
    Launch::Open(*m_pShell, GridCommands::CurrentCellContent(m_wndGrid));
}

void CTablewrightView::OnLaunchCommand()
{
    Launch::Run(*m_pShell, GridCommands::CurrentCellContent(m_wndGrid));
}
