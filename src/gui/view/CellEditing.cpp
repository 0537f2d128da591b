// The view's in-place editor: opening it over a cell, storing or dropping
// its text, and the keys that move it from cell to cell.
#include "view/TablewrightView.h"

#include "document/TablewrightDoc.h"
#include "edit/GridCommands.h"
#include "edit/RangeCommands.h"
#include "view/CellEditor.h"
#include "view/GridTableView.h"

#include <QApplication>
#include <QCursor>
#include <QHeaderView>
#include <QKeyEvent>

#include <optional>

namespace {

// The editor lies this far inside the cell on the left and on the right.
constexpr int kEditorInset = 4;

// The character a key typed on the grid starts an edit with: keypad digits,
// and the printable ASCII keys, letters in lower case unless Shift is held.
// Function keys, dead keys and keys with Ctrl or Alt start nothing.
QChar TypedCharacter(const QKeyEvent& key)
{
    const Qt::KeyboardModifiers modifiers = key.modifiers();
    if (modifiers & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier))
        return {};
    const int code = key.key();
    if ((modifiers & Qt::KeypadModifier) && code >= Qt::Key_0 && code <= Qt::Key_9)
        return QChar(u'0' + (code - Qt::Key_0));
    if (code < 32 || code > 126)
        return {};
    const QChar typed(code);
    if (code >= Qt::Key_A && code <= Qt::Key_Z && !(modifiers & Qt::ShiftModifier))
        return typed.toLower();
    return typed;
}

// The cursor's move for a key, with Ctrl held or not.
std::optional<GridCommands::Move> MoveOfKey(int key, bool ctrl)
{
    using GridCommands::Move;
    struct KeyMove
    {
        int key;
        Move plain;
        Move withCtrl;
    };
    static constexpr KeyMove kMoves[] = {
        {Qt::Key_Left, Move::Left, Move::Left},
        {Qt::Key_Right, Move::Right, Move::Right},
        {Qt::Key_Up, Move::Up, Move::Up},
        {Qt::Key_Down, Move::Down, Move::Down},
        {Qt::Key_Home, Move::RowStart, Move::First},
        {Qt::Key_End, Move::RowEnd, Move::Last},
        {Qt::Key_PageUp, Move::PageUp, Move::PageUp},
        {Qt::Key_PageDown, Move::PageDown, Move::PageDown},
    };
    for (const KeyMove& move : kMoves) {
        if (move.key == key)
            return ctrl ? move.withCtrl : move.plain;
    }
    return std::nullopt;
}

} // namespace

void CTablewrightView::BeginCellEdit(int row, int column)
{
    BeginCellEdit(row, column, m_pTable->viewport()->mapFromGlobal(QCursor::pos()));
}

void CTablewrightView::BeginCellEdit(int row, int column, QPoint pointer)
{
    if (column < 0 || column >= m_wndGrid.GetColumnCount())
        return;
    if (row == -1) {
        row = RowUnderPointer(pointer);
        if (row < 0)
            return;
    }
    if (row < 0 || row >= m_wndGrid.GetItemCount())
        return;
    // Editing the current cell keeps the range, for Ctrl+Enter to fill it.
    if (m_wndGrid.Cursor().Current() != GridCell{row, column})
        m_wndGrid.Cursor().SetCurrent(row, column);
    ShowCurrentCell();
    const std::string_view text = m_wndGrid.ItemTextView(row, column);
    m_bEditing = true;
    m_wndCellEdit->setText(QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size())));
    PlaceCellEditor();
    m_wndCellEdit->show();
    m_wndCellEdit->selectAll();
    m_wndCellEdit->setFocus(Qt::OtherFocusReason);
    Q_EMIT commandStateChanged();
}

// Appends rows at the end of the list until one lies under the pointer.
// Rows lie only below the header and under the columns; elsewhere nothing
// is appended, and the appending is bounded by the rows a view can show.
int CTablewrightView::RowUnderPointer(QPoint pointer)
{
    const QWidget* viewport = m_pTable->viewport();
    if (pointer.y() < 0 || pointer.y() >= viewport->height() || m_pTable->columnAt(pointer.x()) < 0)
        return -1;
    const int rowHeight = std::max(1, m_pTable->verticalHeader()->defaultSectionSize());
    const int bound = viewport->height() / rowHeight + 2;
    for (int appended = 0; m_pTable->ListRowAt(pointer.y()) < 0 && appended < bound; ++appended)
        m_doc.AppendRowsForEdit(1);
    return m_pTable->ListRowAt(pointer.y());
}

void CTablewrightView::PlaceCellEditor()
{
    const GridCell current = m_wndGrid.Cursor().Current();
    const QRect cell = m_pTable->CellRect(current.row, current.column);
    m_wndCellEdit->setGeometry(cell.left() + kEditorInset, cell.top(),
                               std::max(0, cell.width() - 2 * kEditorInset), cell.height());
}

void CTablewrightView::EndCellEdit()
{
    if (!m_bEditing)
        return;
    const QByteArray text = m_wndCellEdit->text().toUtf8();
    CloseCellEditor();
    GridCommands::CommitCell(m_doc, std::string_view(text.constData(), text.size()));
    ShowCurrentCell();
}

// Rows appended for the edit go with it: dropping an edit changes nothing.
void CTablewrightView::CancelCellEdit()
{
    if (!m_bEditing)
        return;
    CloseCellEditor();
    m_doc.DropRowsAppendedForEdit();
    ShowCurrentCell();
}

// Ctrl+Enter stores the editor's text into every cell of the range.
void CTablewrightView::FillRangeFromEditor()
{
    if (!m_bEditing)
        return;
    const QByteArray text = m_wndCellEdit->text().toUtf8();
    CloseCellEditor();
    GridCommands::FillRange(m_doc, std::string_view(text.constData(), text.size()),
                            GridCommands::Filling::Edit);
    ShowCurrentCell();
}

// The editor is marked closed before it hides: hiding moves the focus, and
// the focus loss must not store the text a second time. A closed editor
// holds no text, which may be megabytes.
void CTablewrightView::CloseCellEditor()
{
    m_bEditing = false;
    const bool hadFocus = m_wndCellEdit->hasFocus();
    m_wndCellEdit->hide();
    m_wndCellEdit->clear();
    if (hadFocus)
        m_pTable->setFocus(Qt::OtherFocusReason);
    Q_EMIT commandStateChanged();
}

void CTablewrightView::CommitBeforeCommand()
{
    EndCellEdit();
}

bool CTablewrightView::eventFilter(QObject* watched, QEvent* event)
{
    // The header ends its drag on the release; the widths are taken after.
    if (event->type() == QEvent::MouseButtonRelease && m_bWidthsPending &&
        watched == m_pTable->horizontalHeader()->viewport()) {
        QMetaObject::invokeMethod(this, &CTablewrightView::TakeHeaderWidths, Qt::QueuedConnection);
        return false;
    }
    if (m_wndCellEdit->IsPart(watched) && event->type() == QEvent::FocusOut) {
        // A menu opening over the editor leaves it open, as the editor keeps
        // the keyboard once the menu closes; so does a text that moves from
        // one part of the editor to the other.
        if (static_cast<QFocusEvent*>(event)->reason() != Qt::PopupFocusReason &&
            !m_wndCellEdit->isAncestorOf(QApplication::focusWidget()))
            EndCellEdit();
        return false;
    }
    // Copy, cut and paste are the window's commands, which work on the
    // whole cell even while it is being edited.
    if (m_wndCellEdit->IsPart(watched) && event->type() == QEvent::ShortcutOverride) {
        const auto& key = static_cast<QKeyEvent&>(*event);
        return key.matches(QKeySequence::Copy) || key.matches(QKeySequence::Cut) ||
               key.matches(QKeySequence::Paste);
    }
    if ((watched == m_pTable || m_wndCellEdit->IsPart(watched)) &&
        event->type() == QEvent::KeyPress)
        return OnEditingKey(watched, static_cast<QKeyEvent&>(*event));
    return QWidget::eventFilter(watched, event);
}

bool CTablewrightView::OnEditingKey(QObject* watched, const QKeyEvent& key)
{
    const bool ctrl = key.modifiers() & Qt::ControlModifier;
    switch (key.key()) {
    case Qt::Key_Tab:
    case Qt::Key_Backtab: {
        // Shift+Tab goes to the right as well.
        if (!m_bEditing)
            return false;
        EndCellEdit();
        const GridCommands::Cell target = GridCommands::TabTarget(m_wndGrid);
        GridCommands::AppendRowsUpTo(m_doc, target.row);
        MoveEditTo(target.row, target.column);
        return true;
    }
    case Qt::Key_Return:
    case Qt::Key_Enter:
        if (ctrl)
            FillRangeFromEditor();
        else
            EndCellEdit();
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
        if (!m_bEditing || !ctrl)
            break;
        EndCellEdit();
        MoveEditByArrow(key.key());
        return true;
    default:
        break;
    }
    if (watched != m_pTable || m_bEditing)
        return false;
    return OnGridKey(key) || StartEditWithKey(key);
}

bool CTablewrightView::OnGridKey(const QKeyEvent& key)
{
    using GridCommands::Move;
    const bool ctrl = key.modifiers() & Qt::ControlModifier;
    const bool shift = key.modifiers() & Qt::ShiftModifier;
    if (key.key() == Qt::Key_F2 && !ctrl && !shift) {
        const GridCell current = m_wndGrid.Cursor().Current();
        BeginCellEdit(current.row, current.column);
        return true;
    }
    if (key.key() == Qt::Key_A && ctrl && !shift) {
        m_wndGrid.Cursor().SelectAll();
        return true;
    }
    const std::optional<Move> move = MoveOfKey(key.key(), ctrl);
    if (!move)
        return false;
    GridCommands::MoveCursor(m_wndGrid, *move, PageRows(),
                             shift ? GridCommands::Extend::Range : GridCommands::Extend::No);
    return true;
}

// The rows a page key moves over: those the grid shows whole, less one.
int CTablewrightView::PageRows() const
{
    const int rowHeight = std::max(1, m_pTable->verticalHeader()->defaultSectionSize());
    return std::max(1, m_pTable->viewport()->height() / rowHeight - 1);
}

void CTablewrightView::MoveEditByArrow(int arrowKey)
{
    using GridCommands::Arrow;
    const Arrow arrow = arrowKey == Qt::Key_Left    ? Arrow::Left
                        : arrowKey == Qt::Key_Up    ? Arrow::Up
                        : arrowKey == Qt::Key_Right ? Arrow::Right
                                                    : Arrow::Down;
    const GridCommands::Cell target = GridCommands::ArrowTarget(m_wndGrid, arrow);
    MoveEditTo(target.row, target.column);
}

// Typing on the grid replaces the current cell's text with what was typed.
bool CTablewrightView::StartEditWithKey(const QKeyEvent& key)
{
    const QChar typed = TypedCharacter(key);
    if (typed.isNull())
        return false;
    GridCommands::StartFirstRow(m_doc);
    const GridCell current = m_wndGrid.Cursor().Current();
    BeginCellEdit(current.row, current.column);
    if (!m_bEditing)
        return false;
    m_wndCellEdit->setText(QString(typed));
    m_wndCellEdit->setCursorPosition(1);
    return true;
}

void CTablewrightView::MoveEditTo(int row, int column)
{
    m_pTable->EnsureCellVisible(row, column);
    m_wndGrid.Cursor().SetCurrent(row, column);
    BeginCellEdit(row, column);
}
