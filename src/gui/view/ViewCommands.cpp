// The view's commands that change the shape of the list: rows from the
// toolbar and the row menu, columns from the header's menu, and undo.
#include "view/TablewrightView.h"

#include "dialogs/EntryDlg.h"
#include "document/TablewrightDoc.h"
#include "edit/GridCommands.h"
#include "resources/StringTable.h"
#include "view/ScopedWaitCursor.h"

void CTablewrightView::OnRowInsertAbove()
{
    CommitBeforeCommand();
    GridCommands::InsertRow(m_doc, GridCommands::RowPlace::Above);
    ShowCurrentCell();
}

void CTablewrightView::OnRowInsertBelow()
{
    CommitBeforeCommand();
    GridCommands::InsertRow(m_doc, GridCommands::RowPlace::Below);
    ShowCurrentCell();
}

void CTablewrightView::OnRowDelete()
{
    CommitBeforeCommand();
    GridCommands::DeleteRow(m_doc);
    ShowCurrentCell();
}

// The current cell goes with the moved row.
void CTablewrightView::OnRowMoveUp()
{
    CommitBeforeCommand();
    GridCommands::MoveRow(m_doc, GridCommands::RowMove::Up);
}

void CTablewrightView::OnRowMoveDown()
{
    CommitBeforeCommand();
    GridCommands::MoveRow(m_doc, GridCommands::RowMove::Down);
}

void CTablewrightView::OnHeaderRightClicked(int column, const QPoint& globalPos)
{
    ShowCurrentCell();
    m_nMenuColumn = column;
    Q_EMIT columnMenuRequested(globalPos);
}

void CTablewrightView::OnColumnRename()
{
    CommitBeforeCommand();
    if (m_nMenuColumn < 0 || m_nMenuColumn >= m_wndGrid.GetColumnCount())
        return;
    CEntryDlg dialog(this);
    dialog.SetCaption(QString::fromUtf8(Strings::kEditColumnCaption));
    dialog.SetText(QString::fromStdString(m_wndGrid.GetColumnName(m_nMenuColumn)));
    if (dialog.DoModal() == QDialog::Rejected)
        return;
    GridCommands::RenameColumn(m_doc, m_nMenuColumn, dialog.GetText());
    ShowCurrentCell();
}

void CTablewrightView::OnColumnInsertBefore()
{
    CommitBeforeCommand();
    GridCommands::InsertColumn(m_doc, m_nMenuColumn, GridCommands::ColumnPlace::Before);
    ShowCurrentCell();
}

void CTablewrightView::OnColumnInsertAfter()
{
    CommitBeforeCommand();
    GridCommands::InsertColumn(m_doc, m_nMenuColumn, GridCommands::ColumnPlace::After);
    ShowCurrentCell();
}

void CTablewrightView::OnColumnDelete()
{
    CommitBeforeCommand();
    if (GridCommands::DeleteColumn(m_doc, m_nMenuColumn))
        ShowCurrentCell();
}

// The sort state is the view's: it outlives New and Open, and moving or
// deleting columns does not change it.
void CTablewrightView::OnColumnClick(int column)
{
    // An open edit is stored in its own row before the rows move.
    CommitBeforeCommand();
    GridCommands::SortState sort{m_nSortColumn, m_bSortAscending != 0};
    m_bSortAscending = sort.Click(column) ? 1 : 0;
    m_nSortColumn = sort.column;
    {
        const ScopedWaitCursor waiting;
        GridCommands::SortByColumn(m_doc, column, m_bSortAscending != 0);
    }
    ShowCurrentCell();
}

void CTablewrightView::OnEditUndo()
{
    CommitBeforeCommand();
    if (m_doc.Undo())
        ShowCurrentCell();
}

void CTablewrightView::OnEditRedo()
{
    CommitBeforeCommand();
    if (m_doc.Redo())
        ShowCurrentCell();
}
