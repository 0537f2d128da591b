#pragma once

#include <QString>
#include <QWidget>

class QStyleOptionFrame;
class QTextLayout;

// A one-line editor for a text of any length. It holds the whole text but
// lays out and paints only the stretch that its width shows, so a key costs
// the same on a cell of megabytes as on a word. It takes typed and composed
// text, Backspace, the moves by character and to either end (with Shift to
// select), Select All, and the mouse; the keys it has no use for go on to
// its parent, as a line edit's do.
class CLongTextEdit : public QWidget
{
    Q_OBJECT

public:
    explicit CLongTextEdit(QWidget* parent = nullptr);

    const QString& text() const { return m_text; }
    // The cursor goes to the end, as a line edit's does.
    void setText(const QString& text);
    int cursorPosition() const { return m_cursor; }
    void setCursorPosition(int position);
    void selectAll();
    bool hasSelectedText() const { return m_cursor != m_anchor; }
    QString selectedText() const;
    // Replaces the selection, or inserts at the cursor.
    void insert(const QString& text);
    // The first character painted at the left edge.
    int firstShown() const { return m_first; }

protected:
    void paintEvent(QPaintEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void inputMethodEvent(QInputMethodEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;

private:
    QStyleOptionFrame FrameOption() const;
    bool MoveByKey(const QKeyEvent& event);
    void MoveCursor(int position, bool extendSelection);
    void RemoveBeforeCursor();
    void ScrollToCursor();
    int FirstShownBefore(int position, int pixels) const;
    void LayOut(QTextLayout& layout, int from, int to) const;
    int ShownEnd() const;
    int PositionAt(QPoint point) const;
    QRect TextArea() const;
    int NextBoundary(int position) const;
    int PreviousBoundary(int position) const;

    QString m_text;
    int m_cursor = 0;
    int m_anchor = 0;
    int m_first = 0;
};
