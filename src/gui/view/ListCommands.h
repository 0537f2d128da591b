#pragma once

#include "edit/TextMatch.h"

class CTablewrightDoc;
class CViewMenus;
class QWidget;

// The commands that change the list's shape or search it: rows at the
// cursor, fills of its range, columns at the column menu's column, undo and
// redo, Find and Replace. Each runs with no edit open; the window stores it
// first.
class CListCommands
{
public:
    CListCommands(CTablewrightDoc& doc, const CViewMenus& menus, QWidget& dialogParent);

    void OnRowInsertAbove();
    void OnRowInsertBelow();
    void OnRowDelete();
    // The current cell goes with the moved row.
    void OnRowMoveUp();
    void OnRowMoveDown();
    bool HasSelectedRow() const;
    // Ctrl+D and Ctrl+R: the range's first row or column copied over it.
    void OnEditFillDown();
    void OnEditFillRight();

    // On the column menu's column; on a list without columns only the
    // insertions, which add its first column.
    void OnColumnRename();
    void OnColumnInsertBefore();
    void OnColumnInsertAfter();
    void OnColumnDelete();
    bool HasMenuColumn() const;

    // « Trier… » from the Edition menu, its first key the current column,
    // or from the column menu, its first key that column.
    void OnEditSort();
    void OnColumnSort();
    void OnRemoveDuplicates();

    void OnEditUndo();
    void OnEditRedo();

    void FindText(const FindRequest& request);
    void ReplaceAll(const ReplaceRequest& request);

private:
    void Sort(int firstColumn);

    CTablewrightDoc& m_doc;
    const CViewMenus& m_menus;
    QWidget& m_dialogParent;
};
