#include "view/CellEditing.h"

#include "document/TablewrightDoc.h"
#include "edit/GridCommands.h"
#include "edit/RangeCommands.h"
#include "view/CellDelegate.h"
#include "view/CellEditor.h"
#include "view/GridTableView.h"
#include "view/ViewOptions.h"

#include <QApplication>
#include <QHeaderView>
#include <QKeyEvent>

namespace {

GridCommands::Arrow ArrowOfKey(int key)
{
    using GridCommands::Arrow;
    switch (key) {
    case Qt::Key_Left:
        return Arrow::Left;
    case Qt::Key_Up:
        return Arrow::Up;
    case Qt::Key_Right:
        return Arrow::Right;
    default:
        return Arrow::Down;
    }
}

} // namespace

CCellEditing::CCellEditing(CTablewrightDoc& doc, CGridTableView& table, const CViewOptions& options,
                           QObject* parent)
    : QObject(parent), m_doc(doc), m_grid(doc.GetGrid()), m_table(table), m_options(options),
      m_delegate(table.Delegate()), m_wndCellEdit(m_delegate.Editor())
{
    m_wndCellEdit->WatchWith(this);
}

void CCellEditing::BeginCellEdit(int row, int column, QPoint pointer)
{
    if (row == -1 && column >= 0 && column < m_grid.GetColumnCount())
        row = RowUnderPointer(pointer);
    BeginCellEdit(row, column);
}

void CCellEditing::BeginCellEdit(int row, int column, Caret caret)
{
    if (column < 0 || column >= m_grid.GetColumnCount() || row < 0 || row >= m_grid.GetItemCount())
        return;
    // Editing the current cell keeps the range, for Ctrl+Enter to fill it.
    if (m_grid.Cursor().Current() != GridCell{row, column})
        m_grid.Cursor().SetCurrent(row, column);
    m_table.EnsureCellVisible(row, column);
    if (!m_table.OpenEditor(row, column))
        return;
    m_bEditing = true;
    if (caret == Caret::SelectAll)
        m_wndCellEdit->selectAll();
    else
        m_wndCellEdit->setCursorPosition(static_cast<int>(m_wndCellEdit->text().size()));
    Q_EMIT editingChanged();
}

void CCellEditing::BeginWithTyped(const QString& typed)
{
    GridCommands::StartFirstRow(m_doc);
    const GridCell current = m_grid.Cursor().Current();
    BeginCellEdit(current.row, current.column);
    if (!m_bEditing)
        return;
    m_wndCellEdit->setText(typed);
    m_wndCellEdit->setCursorPosition(static_cast<int>(typed.size()));
}

// Appends rows at the end of the list until one lies under the pointer.
// Rows lie only below the header and under the columns; elsewhere nothing
// is appended, and the appending is bounded by the rows a view can show.
int CCellEditing::RowUnderPointer(QPoint pointer)
{
    const QWidget* viewport = m_table.viewport();
    if (pointer.y() < 0 || pointer.y() >= viewport->height() || m_table.columnAt(pointer.x()) < 0)
        return -1;
    const int rowHeight = std::max(1, m_table.verticalHeader()->defaultSectionSize());
    const int bound = viewport->height() / rowHeight + 2;
    for (int appended = 0; m_table.ListRowAt(pointer.y()) < 0 && appended < bound; ++appended)
        m_doc.AppendRowsForEdit(1);
    return m_table.ListRowAt(pointer.y());
}

// The editor is marked closed before its text is stored: the step may
// change the rows under it, which closes it, and the focus loss must not
// store the text a second time.
void CCellEditing::EndCellEdit()
{
    if (!m_bEditing)
        return;
    m_bEditing = false;
    m_delegate.Commit();
    m_delegate.Close();
    Q_EMIT editingChanged();
}

void CCellEditing::CancelCellEdit()
{
    if (!m_bEditing)
        return;
    m_bEditing = false;
    m_delegate.Close();
    m_doc.DropRowsAppendedForEdit();
    Q_EMIT editingChanged();
}

void CCellEditing::FillRangeFromEditor()
{
    if (!m_bEditing)
        return;
    const QByteArray text = m_wndCellEdit->text().toUtf8();
    m_bEditing = false;
    m_delegate.Close();
    GridCommands::FillRange(m_doc, std::string_view(text.constData(), text.size()),
                            GridCommands::Filling::Edit);
    Q_EMIT editingChanged();
}

bool CCellEditing::eventFilter(QObject* watched, QEvent* event)
{
    if (!m_wndCellEdit->IsPart(watched))
        return false;
    switch (event->type()) {
    case QEvent::FocusOut:
        // A menu opening over the editor leaves it open, as the editor keeps
        // the keyboard once the menu closes; so does a text that moves from
        // one part of the editor to the other.
        if (static_cast<QFocusEvent*>(event)->reason() != Qt::PopupFocusReason &&
            !m_wndCellEdit->isAncestorOf(QApplication::focusWidget()))
            EndCellEdit();
        return false;
    case QEvent::ShortcutOverride: {
        // Copy, cut and paste are the window's commands, which work on the
        // whole cell even while it is being edited.
        const auto& key = static_cast<QKeyEvent&>(*event);
        return key.matches(QKeySequence::Copy) || key.matches(QKeySequence::Cut) ||
               key.matches(QKeySequence::Paste);
    }
    case QEvent::KeyPress:
        return OnEditorKey(static_cast<QKeyEvent&>(*event));
    default:
        return false;
    }
}

bool CCellEditing::OnEditorKey(const QKeyEvent& key)
{
    const bool ctrl = key.modifiers() & Qt::ControlModifier;
    switch (key.key()) {
    case Qt::Key_Tab:
    case Qt::Key_Backtab: {
        // Shift+Tab goes to the right as well.
        EndCellEdit();
        const GridCommands::Cell target = GridCommands::TabTarget(m_grid);
        GridCommands::AppendRowsUpTo(m_doc, target.row);
        MoveEditTo(target.row, target.column);
        return true;
    }
    case Qt::Key_Return:
    case Qt::Key_Enter:
        if (ctrl)
            FillRangeFromEditor();
        else
            OnEnter();
        return true;
    case Qt::Key_Escape:
        CancelCellEdit();
        return true;
    case Qt::Key_Delete:
        CancelCellEdit();
        GridCommands::EmptyRange(m_doc, GridCommands::Emptying::Clear);
        return true;
    case Qt::Key_Left:
    case Qt::Key_Up:
    case Qt::Key_Right:
    case Qt::Key_Down:
        if (!ctrl)
            return false;
        EndCellEdit();
        MoveEditByArrow(key.key());
        return true;
    default:
        return false;
    }
}

// With the option on, the text is stored and the cursor goes down to the
// next row shown, as typing a column from the keyboard wants; on the last
// row it stays.
void CCellEditing::OnEnter()
{
    EndCellEdit();
    if (m_options.EnterMovesDown())
        GridCommands::MoveCursor(m_grid, GridCommands::Move::Down, 1, GridCommands::Extend::No);
}

void CCellEditing::MoveEditByArrow(int arrowKey)
{
    const GridCommands::Cell target = GridCommands::ArrowTarget(m_grid, ArrowOfKey(arrowKey));
    MoveEditTo(target.row, target.column);
}

void CCellEditing::MoveEditTo(int row, int column)
{
    m_table.EnsureCellVisible(row, column);
    m_grid.Cursor().SetCurrent(row, column);
    BeginCellEdit(row, column);
}
