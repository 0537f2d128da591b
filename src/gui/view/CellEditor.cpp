#include "view/CellEditor.h"

#include "view/LongTextEdit.h"

#include <QLineEdit>

#include <limits>

CCellEditor::CCellEditor(QWidget* parent)
    : QWidget(parent), m_pLine(new QLineEdit(this)), m_pLong(new CLongTextEdit(this))
{
    // A cell holds any length of text, and the editor shows all of it.
    m_pLine->setMaxLength(std::numeric_limits<int>::max());
    m_pLong->hide();
    setFocusProxy(m_pLine);
}

CCellEditor::~CCellEditor()
{
    if (m_pWatcher) {
        m_pLine->removeEventFilter(m_pWatcher);
        m_pLong->removeEventFilter(m_pWatcher);
    }
}

void CCellEditor::setText(const QString& text)
{
    if (text.size() > kLongText) {
        m_pLong->setText(text);
        m_pLine->clear();
        Show(m_pLong);
    } else {
        m_pLine->setText(text);
        m_pLong->setText({});
        Show(m_pLine);
    }
}

QString CCellEditor::text() const
{
    return IsLong() ? m_pLong->text() : m_pLine->text();
}

void CCellEditor::selectAll()
{
    if (IsLong())
        m_pLong->selectAll();
    else
        m_pLine->selectAll();
}

void CCellEditor::setCursorPosition(int position)
{
    if (IsLong())
        m_pLong->setCursorPosition(position);
    else
        m_pLine->setCursorPosition(position);
}

int CCellEditor::cursorPosition() const
{
    return IsLong() ? m_pLong->cursorPosition() : m_pLine->cursorPosition();
}

bool CCellEditor::hasSelectedText() const
{
    return IsLong() ? m_pLong->hasSelectedText() : m_pLine->hasSelectedText();
}

QString CCellEditor::selectedText() const
{
    return IsLong() ? m_pLong->selectedText() : m_pLine->selectedText();
}

void CCellEditor::insert(const QString& text)
{
    if (IsLong())
        m_pLong->insert(text);
    else
        m_pLine->insert(text);
}

bool CCellEditor::IsLong() const
{
    return focusProxy() == m_pLong;
}

void CCellEditor::WatchWith(QObject* watcher)
{
    m_pWatcher = watcher;
    m_pLine->installEventFilter(watcher);
    m_pLong->installEventFilter(watcher);
}

bool CCellEditor::IsPart(const QObject* object) const
{
    return object == m_pLine || object == m_pLong;
}

void CCellEditor::resizeEvent(QResizeEvent*)
{
    m_pLine->setGeometry(rect());
    m_pLong->setGeometry(rect());
}

// The keyboard moves to the new part before the old one hides, so the
// editor as a whole never loses it.
void CCellEditor::Show(QWidget* part)
{
    if (focusProxy() == part)
        return;
    QWidget* other = focusProxy();
    const bool focused = hasFocus();
    setFocusProxy(part);
    part->show();
    if (focused)
        part->setFocus(Qt::OtherFocusReason);
    other->hide();
}
