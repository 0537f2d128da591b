#include "app/StopKey.h"

#include <QApplication>
#include <QKeyEvent>
#include <QWidget>
#include <QWindow>

namespace {

bool InModalDialog(QObject* receiver)
{
    const QWidget* modal = QApplication::activeModalWidget();
    if (!modal)
        return false;
    if (const auto* widget = qobject_cast<QWidget*>(receiver))
        return widget->window() == modal;
    return receiver == modal->windowHandle();
}

} // namespace

void CStopKey::Listen(bool listen)
{
    if (listen)
        m_bPressed = false;
    if (listen == m_bListening)
        return;
    m_bListening = listen;
    if (listen)
        qApp->installEventFilter(this);
    else
        qApp->removeEventFilter(this);
}

bool CStopKey::eventFilter(QObject* watched, QEvent* event)
{
    if (InModalDialog(watched))
        return false;
    switch (event->type()) {
    case QEvent::ShortcutOverride:
        // Taken as the focus widget's own key, so that no menu shortcut
        // fires: the key press follows, and is swallowed below.
        event->accept();
        return true;
    case QEvent::Shortcut:
        return true;
    case QEvent::KeyPress:
        if (static_cast<QKeyEvent*>(event)->key() == Qt::Key_Escape)
            m_bPressed = true;
        return true;
    default:
        return dynamic_cast<QInputEvent*>(event) != nullptr;
    }
}
