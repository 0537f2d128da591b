#include "view/CellEditing.h"

#include "document/TablewrightDoc.h"
#include "edit/GridCommands.h"
#include "edit/RangeCommands.h"
#include "view/CellEditor.h"
#include "view/GridTableView.h"

#include <QApplication>
#include <QCursor>
#include <QHeaderView>
#include <QKeyEvent>

namespace {

// The editor lies this far inside the cell on the left and on the right.
constexpr int kEditorInset = 4;

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

CCellEditing::CCellEditing(CTablewrightDoc& doc, CGridTableView& table, QObject* parent)
    : QObject(parent), m_doc(doc), m_grid(doc.GetGrid()), m_table(table),
      m_wndCellEdit(new CCellEditor(table.viewport()))
{
    m_wndCellEdit->setObjectName(QStringLiteral("cellEdit"));
    m_wndCellEdit->hide();
    m_wndCellEdit->WatchWith(this);
    connect(table.horizontalHeader(), &QHeaderView::sectionResized, this, [this](int column) {
        if (m_bEditing && column == m_grid.Cursor().CurrentColumn())
            PlaceCellEditor();
    });
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
    const std::string_view text = m_grid.ItemTextView(row, column);
    m_bEditing = true;
    m_wndCellEdit->setText(QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size())));
    PlaceCellEditor();
    m_wndCellEdit->show();
    if (caret == Caret::SelectAll)
        m_wndCellEdit->selectAll();
    else
        m_wndCellEdit->setCursorPosition(static_cast<int>(m_wndCellEdit->text().size()));
    m_wndCellEdit->setFocus(Qt::OtherFocusReason);
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

void CCellEditing::PlaceCellEditor()
{
    const GridCell current = m_grid.Cursor().Current();
    const QRect cell = m_table.CellRect(current.row, current.column);
    m_wndCellEdit->setGeometry(cell.left() + kEditorInset, cell.top(),
                               std::max(0, cell.width() - 2 * kEditorInset), cell.height());
}

void CCellEditing::EndCellEdit()
{
    if (!m_bEditing)
        return;
    const QByteArray text = m_wndCellEdit->text().toUtf8();
    CloseCellEditor();
    GridCommands::CommitCell(m_doc, std::string_view(text.constData(), text.size()));
    Q_EMIT editingChanged();
}

void CCellEditing::CancelCellEdit()
{
    if (!m_bEditing)
        return;
    CloseCellEditor();
    m_doc.DropRowsAppendedForEdit();
    Q_EMIT editingChanged();
}

void CCellEditing::FillRangeFromEditor()
{
    if (!m_bEditing)
        return;
    const QByteArray text = m_wndCellEdit->text().toUtf8();
    CloseCellEditor();
    GridCommands::FillRange(m_doc, std::string_view(text.constData(), text.size()),
                            GridCommands::Filling::Edit);
    Q_EMIT editingChanged();
}

// The editor is marked closed before it hides: hiding moves the focus, and
// the focus loss must not store the text a second time. A closed editor
// holds no text, which may be megabytes.
void CCellEditing::CloseCellEditor()
{
    m_bEditing = false;
    const bool hadFocus = m_wndCellEdit->hasFocus();
    m_wndCellEdit->hide();
    m_wndCellEdit->clear();
    if (hadFocus)
        m_table.setFocus(Qt::OtherFocusReason);
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
        if (!ctrl)
            return false;
        EndCellEdit();
        MoveEditByArrow(key.key());
        return true;
    default:
        return false;
    }
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
