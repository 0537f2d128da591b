#pragma once

#include <QObject>

// While a read that may be stopped runs, the window repaints and moves but
// takes no command: set on the whole application, this filter swallows the
// keyboard and the mouse and notes Échap. A dialog the read opens (a
// warning about the file) still has them.
class CStopKey : public QObject
{
public:
    explicit CStopKey(QObject* parent) : QObject(parent) {}

    // Listening again forgets an earlier Échap.
    void Listen(bool listen);
    bool Pressed() const { return m_bPressed; }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    bool m_bListening = false;
    bool m_bPressed = false;
};
