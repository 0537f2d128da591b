#pragma once

#include <QObject>
#include <QPoint>

class CCellDelegate;
class CCellEditor;
class CGridListCtrl;
class CGridTableView;
class CTablewrightDoc;
class CViewOptions;
class QKeyEvent;

// Editing the current cell in place: when the delegate's editor opens over
// the cell, when its text is stored (through the model) or dropped, and the
// keys that act while it is open (Tab, Enter, Escape, Delete, Ctrl with an
// arrow). Leaving the editor for anything but a menu stores its text. Enter
// goes on to the cell below when the options say so.
class CCellEditing : public QObject
{
    Q_OBJECT

public:
    CCellEditing(CTablewrightDoc& doc, CGridTableView& table, const CViewOptions& options,
                 QObject* parent = nullptr);

    // Where the caret stands in an editor just opened: the text selected,
    // as a double-click leaves it, or after the text, as F2 does.
    enum class Caret
    {
        SelectAll,
        AtEnd
    };
    void BeginCellEdit(int row, int column, Caret caret = Caret::SelectAll);
    // Row -1 first appends rows at the end of the list down to the pointer
    // (viewport coordinates), where one can lie.
    void BeginCellEdit(int row, int column, QPoint pointer);
    // Typing on the grid: the current cell's editor opens holding what was
    // typed alone, the caret after it; a new list gets its first row.
    void BeginWithTyped(const QString& typed);
    void EndCellEdit();
    // Rows appended for the edit go with it: dropping an edit changes nothing.
    void CancelCellEdit();
    // Ctrl+Enter: the editor's text goes into every cell of the range.
    void FillRangeFromEditor();
    bool IsEditing() const { return m_bEditing; }
    CCellEditor* Editor() const { return m_wndCellEdit; }

Q_SIGNALS:
    // The editor opened or closed.
    void editingChanged();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    bool OnEditorKey(const QKeyEvent& key);
    void OnEnter();
    void MoveEditTo(int row, int column);
    void MoveEditByArrow(int arrowKey);
    int RowUnderPointer(QPoint pointer);

    CTablewrightDoc& m_doc;
    CGridListCtrl& m_grid;
    CGridTableView& m_table;
    const CViewOptions& m_options;
    CCellDelegate& m_delegate;
    CCellEditor* m_wndCellEdit = nullptr;
    bool m_bEditing = false;
};
