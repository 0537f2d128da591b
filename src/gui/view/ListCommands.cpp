#include "view/ListCommands.h"

#include "dialogs/EntryDlg.h"
#include "dialogs/SortDlg.h"
#include "document/TablewrightDoc.h"
#include "edit/Duplicates.h"
#include "edit/FillCommands.h"
#include "edit/GridCommands.h"
#include "edit/SearchCommands.h"
#include "resources/StringTable.h"
#include "view/ScopedWaitCursor.h"
#include "view/ViewMenus.h"

#include <QStringList>

CListCommands::CListCommands(CTablewrightDoc& doc, const CViewMenus& menus, QWidget& dialogParent)
    : m_doc(doc), m_menus(menus), m_dialogParent(dialogParent)
{
}

void CListCommands::OnRowInsertAbove()
{
    GridCommands::InsertRow(m_doc, GridCommands::RowPlace::Above);
}

void CListCommands::OnRowInsertBelow()
{
    GridCommands::InsertRow(m_doc, GridCommands::RowPlace::Below);
}

void CListCommands::OnRowDelete()
{
    GridCommands::DeleteRow(m_doc);
}

void CListCommands::OnRowMoveUp()
{
    GridCommands::MoveRow(m_doc, GridCommands::RowMove::Up);
}

void CListCommands::OnRowMoveDown()
{
    GridCommands::MoveRow(m_doc, GridCommands::RowMove::Down);
}

bool CListCommands::HasSelectedRow() const
{
    return m_doc.GetGrid().Cursor().CurrentRow() >= 0;
}

void CListCommands::OnEditFillDown()
{
    GridCommands::FillFromEdge(m_doc, GridCommands::FillDirection::Down);
}

void CListCommands::OnEditFillRight()
{
    GridCommands::FillFromEdge(m_doc, GridCommands::FillDirection::Right);
}

bool CListCommands::HasMenuColumn() const
{
    const int column = m_menus.MenuColumn();
    return column >= 0 && column < m_doc.GetGrid().GetColumnCount();
}

void CListCommands::OnColumnRename()
{
    if (!HasMenuColumn())
        return;
    const int column = m_menus.MenuColumn();
    CEntryDlg dialog(&m_dialogParent);
    dialog.SetCaption(QString::fromUtf8(Strings::kEditColumnCaption));
    dialog.SetText(QString::fromStdString(m_doc.GetGrid().GetColumnName(column)));
    if (dialog.DoModal() == QDialog::Rejected)
        return;
    GridCommands::RenameColumn(m_doc, column, dialog.GetText());
}

void CListCommands::OnColumnInsertBefore()
{
    GridCommands::InsertColumn(m_doc, m_menus.MenuColumn(), GridCommands::ColumnPlace::Before);
}

void CListCommands::OnColumnInsertAfter()
{
    GridCommands::InsertColumn(m_doc, m_menus.MenuColumn(), GridCommands::ColumnPlace::After);
}

void CListCommands::OnColumnDelete()
{
    GridCommands::DeleteColumn(m_doc, m_menus.MenuColumn());
}

void CListCommands::OnEditSort()
{
    Sort(m_doc.GetGrid().Cursor().CurrentColumn());
}

void CListCommands::OnColumnSort()
{
    Sort(m_menus.MenuColumn());
}

void CListCommands::Sort(int firstColumn)
{
    const CGridListCtrl& grid = m_doc.GetGrid();
    if (grid.GetColumnCount() == 0)
        return;
    QStringList columns;
    for (int column = 0; column < grid.GetColumnCount(); ++column)
        columns << QString::fromStdString(grid.GetColumnName(column));
    CSortDlg dialog(columns, firstColumn, &m_dialogParent);
    if (dialog.exec() != QDialog::Accepted)
        return;
    const ScopedWaitCursor waiting;
    GridCommands::SortByKeys(m_doc, dialog.Keys());
}

void CListCommands::OnRemoveDuplicates()
{
    const ScopedWaitCursor waiting;
    GridCommands::RemoveDuplicates(m_doc);
}

void CListCommands::OnEditUndo()
{
    m_doc.Undo();
}

void CListCommands::OnEditRedo()
{
    m_doc.Redo();
}

void CListCommands::FindText(const FindRequest& request)
{
    const ScopedWaitCursor waiting;
    GridCommands::FindText(m_doc, request);
}

void CListCommands::ReplaceAll(const ReplaceRequest& request)
{
    GridCommands::ReplaceAll(m_doc, request);
}
