#include "view/LongTextEdit.h"

#include <QKeyEvent>
#include <QPainter>
#include <QStyle>
#include <QStyleOptionFrame>
#include <QTextBoundaryFinder>
#include <QTextLayout>

#include <algorithm>

namespace {

// The room a line edit leaves between its frame and its text.
constexpr int kHorizontalMargin = 2;
constexpr int kVerticalMargin = 1;

// The characters looked at around a position to find where the character
// there begins or ends, with its combining marks.
constexpr int kBoundaryWindow = 64;

// A character is at least a pixel wide, but for marks laid over another:
// so many characters more than the width in pixels are laid out for it.
constexpr int kShownSlack = 64;

// A text that shrinks to a quarter of what it held gives the rest back.
constexpr int kSqueezeRatio = 4;

bool IsTypedText(const QString& text)
{
    return !text.isEmpty() && std::none_of(text.begin(), text.end(), [](QChar c) {
        return c.category() == QChar::Other_Control;
    });
}

} // namespace

CLongTextEdit::CLongTextEdit(QWidget* parent) : QWidget(parent)
{
    setFocusPolicy(Qt::StrongFocus);
    setAttribute(Qt::WA_InputMethodEnabled);
    setCursor(Qt::IBeamCursor);
    setBackgroundRole(QPalette::Base);
    setContextMenuPolicy(Qt::PreventContextMenu);
}

void CLongTextEdit::setText(const QString& text)
{
    m_text = text;
    m_cursor = m_anchor = static_cast<int>(m_text.size());
    m_first = 0;
    ScrollToCursor();
    update();
}

void CLongTextEdit::setCursorPosition(int position)
{
    MoveCursor(std::clamp(position, 0, static_cast<int>(m_text.size())), false);
}

void CLongTextEdit::selectAll()
{
    m_anchor = 0;
    MoveCursor(static_cast<int>(m_text.size()), true);
}

QString CLongTextEdit::selectedText() const
{
    const int start = std::min(m_cursor, m_anchor);
    return m_text.mid(start, std::max(m_cursor, m_anchor) - start);
}

void CLongTextEdit::insert(const QString& text)
{
    const int start = std::min(m_cursor, m_anchor);
    m_text.replace(start, std::max(m_cursor, m_anchor) - start, text);
    if (m_text.size() < m_text.capacity() / kSqueezeRatio)
        m_text.squeeze();
    MoveCursor(start + static_cast<int>(text.size()), false);
}

void CLongTextEdit::MoveCursor(int position, bool extendSelection)
{
    m_cursor = position;
    if (!extendSelection)
        m_anchor = position;
    ScrollToCursor();
    update();
}

void CLongTextEdit::keyPressEvent(QKeyEvent* event)
{
    if (event->matches(QKeySequence::SelectAll)) {
        selectAll();
        return;
    }
    if (MoveByKey(*event))
        return;
    const Qt::KeyboardModifiers modifiers = event->modifiers();
    if (event->key() == Qt::Key_Backspace &&
        !(modifiers & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier))) {
        RemoveBeforeCursor();
        return;
    }
    if (!(modifiers & (Qt::ControlModifier | Qt::MetaModifier)) && IsTypedText(event->text())) {
        insert(event->text());
        return;
    }
    event->ignore();
}

// Left and Right without Shift first close a selection on its side.
bool CLongTextEdit::MoveByKey(const QKeyEvent& event)
{
    enum class To
    {
        Previous,
        Next,
        Start,
        End
    };
    struct KeyMove
    {
        QKeySequence::StandardKey key;
        To to;
        bool select;
    };
    static constexpr KeyMove kMoves[] = {
        {QKeySequence::MoveToPreviousChar, To::Previous, false},
        {QKeySequence::MoveToNextChar, To::Next, false},
        {QKeySequence::SelectPreviousChar, To::Previous, true},
        {QKeySequence::SelectNextChar, To::Next, true},
        {QKeySequence::MoveToStartOfLine, To::Start, false},
        {QKeySequence::MoveToStartOfBlock, To::Start, false},
        {QKeySequence::MoveToEndOfLine, To::End, false},
        {QKeySequence::MoveToEndOfBlock, To::End, false},
        {QKeySequence::SelectStartOfLine, To::Start, true},
        {QKeySequence::SelectStartOfBlock, To::Start, true},
        {QKeySequence::SelectEndOfLine, To::End, true},
        {QKeySequence::SelectEndOfBlock, To::End, true},
    };
    const auto move = std::find_if(std::begin(kMoves), std::end(kMoves),
                                   [&](const KeyMove& m) { return event.matches(m.key); });
    if (move == std::end(kMoves))
        return false;
    const bool closing = hasSelectedText() && !move->select;
    int target = 0;
    switch (move->to) {
    case To::Previous:
        target = closing ? std::min(m_cursor, m_anchor) : PreviousBoundary(m_cursor);
        break;
    case To::Next:
        target = closing ? std::max(m_cursor, m_anchor) : NextBoundary(m_cursor);
        break;
    case To::Start:
        break;
    case To::End:
        target = static_cast<int>(m_text.size());
        break;
    }
    MoveCursor(target, move->select);
    return true;
}

// Backspace takes one character (both halves of a surrogate pair), or the
// selection when there is one.
void CLongTextEdit::RemoveBeforeCursor()
{
    if (hasSelectedText()) {
        insert({});
        return;
    }
    if (m_cursor == 0)
        return;
    int from = m_cursor - 1;
    if (from > 0 && m_text.at(from).isLowSurrogate() && m_text.at(from - 1).isHighSurrogate())
        --from;
    m_anchor = from;
    insert({});
}

void CLongTextEdit::inputMethodEvent(QInputMethodEvent* event)
{
    if (!event->commitString().isEmpty())
        insert(event->commitString());
    event->accept();
}

void CLongTextEdit::mousePressEvent(QMouseEvent* event)
{
    if (event->button() != Qt::LeftButton) {
        QWidget::mousePressEvent(event);
        return;
    }
    MoveCursor(PositionAt(event->position().toPoint()), event->modifiers() & Qt::ShiftModifier);
}

void CLongTextEdit::mouseMoveEvent(QMouseEvent* event)
{
    if (event->buttons() & Qt::LeftButton)
        MoveCursor(PositionAt(event->position().toPoint()), true);
}

void CLongTextEdit::resizeEvent(QResizeEvent*)
{
    ScrollToCursor();
}

void CLongTextEdit::focusInEvent(QFocusEvent*)
{
    update();
}

void CLongTextEdit::focusOutEvent(QFocusEvent*)
{
    update();
}

void CLongTextEdit::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    const QStyleOptionFrame frame = FrameOption();
    style()->drawPrimitive(QStyle::PE_PanelLineEdit, &frame, &painter, this);
    const QRect area = TextArea();
    painter.setClipRect(area);

    const int end = ShownEnd();
    QTextLayout layout;
    LayOut(layout, m_first, end);
    const QPointF origin(area.left(),
                         area.top() + (area.height() - fontMetrics().height() + 1) / 2);
    QList<QTextLayout::FormatRange> selections;
    const int start = std::clamp(std::min(m_cursor, m_anchor), m_first, end) - m_first;
    const int stop = std::clamp(std::max(m_cursor, m_anchor), m_first, end) - m_first;
    if (stop > start) {
        QTextLayout::FormatRange selection;
        selection.start = start;
        selection.length = stop - start;
        selection.format.setBackground(palette().brush(QPalette::Highlight));
        selection.format.setForeground(palette().brush(QPalette::HighlightedText));
        selections.append(selection);
    }
    painter.setPen(palette().color(QPalette::Text));
    layout.draw(&painter, origin, selections);
    if (hasFocus() && m_cursor >= m_first && m_cursor <= end)
        layout.drawCursor(&painter, origin, m_cursor - m_first,
                          style()->pixelMetric(QStyle::PM_TextCursorWidth, nullptr, this));
}

QStyleOptionFrame CLongTextEdit::FrameOption() const
{
    QStyleOptionFrame option;
    option.initFrom(this);
    option.lineWidth = style()->pixelMetric(QStyle::PM_DefaultFrameWidth, &option, this);
    option.midLineWidth = 0;
    option.state |= QStyle::State_Sunken;
    option.features = QStyleOptionFrame::None;
    return option;
}

QRect CLongTextEdit::TextArea() const
{
    const QStyleOptionFrame frame = FrameOption();
    return style()
        ->subElementRect(QStyle::SE_LineEditContents, &frame, this)
        .adjusted(kHorizontalMargin, kVerticalMargin, -kHorizontalMargin, -kVerticalMargin);
}

// Lays out the characters from..to on one line, as a line edit lays out
// its whole text.
void CLongTextEdit::LayOut(QTextLayout& layout, int from, int to) const
{
    layout.setFont(font());
    layout.setText(m_text.mid(from, to - from));
    QTextOption option = layout.textOption();
    option.setFlags(QTextOption::IncludeTrailingSpaces);
    layout.setTextOption(option);
    layout.beginLayout();
    layout.createLine();
    layout.endLayout();
}

// The end of the characters laid out to fill the width from the first one
// shown, never between the halves of a surrogate pair.
int CLongTextEdit::ShownEnd() const
{
    const int size = static_cast<int>(m_text.size());
    int end = std::min(size, m_first + std::max(0, TextArea().width()) + kShownSlack);
    if (end < size && m_text.at(end).isLowSurrogate())
        ++end;
    return end;
}

// The first character from which the text up to position fits in the
// given pixels.
int CLongTextEdit::FirstShownBefore(int position, int pixels) const
{
    const int from = std::max(0, position - std::max(0, pixels) - kShownSlack);
    QTextLayout layout;
    LayOut(layout, from, position);
    const QTextLine line = layout.lineAt(0);
    const qreal left = line.naturalTextWidth() - pixels;
    if (left <= 0)
        return from;
    int index = line.xToCursor(left);
    while (index < position - from && line.cursorToX(index) < left)
        ++index;
    if (index < position - from && m_text.at(from + index).isLowSurrogate())
        ++index;
    return from + index;
}

// Keeps the cursor inside the width: a cursor gone past the left edge is
// shown a third of the way in, one past the right edge at the edge; and a
// text that ends short of the right edge fills the width when it can.
void CLongTextEdit::ScrollToCursor()
{
    const int width = TextArea().width();
    if (width <= 0)
        return;
    const int cursorRoom = width - 1;
    if (m_cursor < m_first) {
        m_first = FirstShownBefore(m_cursor, width / 3);
    } else if (m_cursor - m_first > width + kShownSlack) {
        m_first = FirstShownBefore(m_cursor, cursorRoom);
    } else {
        QTextLayout layout;
        LayOut(layout, m_first, m_cursor);
        if (layout.lineAt(0).naturalTextWidth() > cursorRoom)
            m_first = FirstShownBefore(m_cursor, cursorRoom);
    }
    m_first = std::min(m_first, FirstShownBefore(static_cast<int>(m_text.size()), cursorRoom));
}

// The position nearest the point; past the left edge, the character before
// the first one shown, so that a drag scrolls back.
int CLongTextEdit::PositionAt(QPoint point) const
{
    const QRect area = TextArea();
    if (point.x() < area.left() && m_first > 0)
        return PreviousBoundary(m_first);
    QTextLayout layout;
    LayOut(layout, m_first, ShownEnd());
    return m_first + layout.lineAt(0).xToCursor(point.x() - area.left());
}

int CLongTextEdit::NextBoundary(int position) const
{
    const int size = static_cast<int>(m_text.size());
    const int length = std::min(size - position, kBoundaryWindow);
    if (length <= 0)
        return size;
    QTextBoundaryFinder finder(QTextBoundaryFinder::Grapheme, m_text.constData() + position,
                               length);
    const qsizetype next = finder.toNextBoundary();
    return next < 0 ? position + length : position + static_cast<int>(next);
}

int CLongTextEdit::PreviousBoundary(int position) const
{
    const int from = std::max(0, position - kBoundaryWindow);
    if (position <= from)
        return from;
    QTextBoundaryFinder finder(QTextBoundaryFinder::Grapheme, m_text.constData() + from,
                               position - from);
    finder.toEnd();
    const qsizetype previous = finder.toPreviousBoundary();
    return previous < 0 ? from : from + static_cast<int>(previous);
}
