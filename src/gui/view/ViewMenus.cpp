// The row menu opened on a cell, and the launch items on top of it.
#include "view/TablewrightView.h"

#include "edit/GridCommands.h"
#include "edit/Launch.h"
#include "platform/Shell.h"

void CTablewrightView::OnGridRightClicked(int row, int column, const QPoint& globalPos)
{
    // An open edit is stored even where no menu opens.
    EndCellEdit();
    if (row < 0 || column < 0)
        return;
    m_wndGrid.m_nCurRow = row;
    m_wndGrid.m_nCurCol = column;
    m_wndGrid.SelectRow(row);
    ShowCurrentCell();
    Q_EMIT rowMenuRequested(globalPos, Launch::Classify(m_wndGrid.ItemTextView(row, column)));
}

void CTablewrightView::OnLaunchWithShell()
{
    Launch::Open(*m_pShell, GridCommands::CurrentCellContent(m_wndGrid));
}

void CTablewrightView::OnLaunchCommand()
{
    Launch::Run(*m_pShell, GridCommands::CurrentCellContent(m_wndGrid));
}
