#include "view/GridKeys.h"

#include "document/TablewrightDoc.h"
#include "edit/GridCommands.h"
#include "edit/RangeCommands.h"
#include "view/CellEditing.h"
#include "view/GridTableView.h"

#include <QHeaderView>
#include <QInputMethodEvent>
#include <QKeyEvent>

#include <algorithm>
#include <optional>

namespace {

// The text a key typed on the grid starts an edit with: whatever printable
// text the keyboard made of it, é, € (AltGr) and the letter after a dead
// key included. Function keys, a dead key itself and keys held with Ctrl,
// Alt or Meta type nothing; Ctrl and Alt together are AltGr on some
// systems, and count when they make a printable text.
QString TypedText(const QKeyEvent& key)
{
    const Qt::KeyboardModifiers modifiers = key.modifiers();
    const bool altGr = (modifiers & Qt::ControlModifier) && (modifiers & Qt::AltModifier);
    if (!altGr && (modifiers & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier)))
        return {};
    const QString text = key.text();
    if (text.isEmpty() ||
        !std::all_of(text.begin(), text.end(), [](QChar c) { return c.isPrint(); }))
        return {};
    return text;
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

CGridKeys::CGridKeys(CTablewrightDoc& doc, CGridTableView& table, CCellEditing& editing,
                     QObject* parent)
    : QObject(parent), m_doc(doc), m_table(table), m_editing(editing)
{
    table.installEventFilter(this);
}

bool CGridKeys::eventFilter(QObject* watched, QEvent* event)
{
    if (watched != &m_table || m_editing.IsEditing())
        return false;
    if (event->type() == QEvent::KeyPress)
        return OnKey(static_cast<QKeyEvent&>(*event));
    // An input method hands over composed text on its own.
    if (event->type() == QEvent::InputMethod) {
        const QString typed = static_cast<QInputMethodEvent&>(*event).commitString();
        if (!typed.isEmpty())
            m_editing.BeginWithTyped(typed);
        return true;
    }
    return false;
}

bool CGridKeys::OnKey(const QKeyEvent& key)
{
    if (OnCommandKey(key) || OnMoveKey(key))
        return true;
    const QString typed = TypedText(key);
    if (typed.isEmpty())
        return false;
    m_editing.BeginWithTyped(typed);
    return m_editing.IsEditing();
}

bool CGridKeys::OnCommandKey(const QKeyEvent& key)
{
    const Qt::KeyboardModifiers modifiers = key.modifiers() & ~Qt::KeypadModifier;
    switch (key.key()) {
    case Qt::Key_Return:
    case Qt::Key_Enter:
    case Qt::Key_Escape:
        return true;
    case Qt::Key_Delete:
        GridCommands::EmptyRange(m_doc, GridCommands::Emptying::Clear);
        return true;
    case Qt::Key_F2: {
        if (modifiers != Qt::NoModifier)
            return false;
        const GridCell current = m_doc.GetGrid().Cursor().Current();
        m_editing.BeginCellEdit(current.row, current.column, CCellEditing::Caret::AtEnd);
        return true;
    }
    case Qt::Key_A:
        if (modifiers != Qt::ControlModifier)
            return false;
        m_doc.GetGrid().Cursor().SelectAll();
        return true;
    default:
        return false;
    }
}

bool CGridKeys::OnMoveKey(const QKeyEvent& key)
{
    const std::optional<GridCommands::Move> move =
        MoveOfKey(key.key(), key.modifiers() & Qt::ControlModifier);
    if (!move)
        return false;
    const bool shift = key.modifiers() & Qt::ShiftModifier;
    GridCommands::MoveCursor(m_doc.GetGrid(), *move, PageRows(),
                             shift ? GridCommands::Extend::Range : GridCommands::Extend::No);
    return true;
}

int CGridKeys::PageRows() const
{
    const int rowHeight = std::max(1, m_table.verticalHeader()->defaultSectionSize());
    return std::max(1, m_table.viewport()->height() / rowHeight - 1);
}
