#pragma once

#include <QPointer>
#include <QString>
#include <QWidget>

class CLongTextEdit;
class QLineEdit;

// The in-place editor of a cell. The texts of everyday cells go to a line
// edit; a text too long for a line edit to lay out again at every key goes
// to an editor that lays out only the stretch it shows. Either way the
// editor holds the whole text, and the view sees one editor.
class CCellEditor : public QWidget
{
    Q_OBJECT

public:
    // The length (in UTF-16 units) from which a text is edited as a long
    // one: below it, a line edit answers a key within a few milliseconds.
    static constexpr int kLongText = 16384;

    explicit CCellEditor(QWidget* parent = nullptr);
    ~CCellEditor() override;

    // Takes the text into the part that suits its length; the keyboard
    // follows when the editor has it.
    void setText(const QString& text);
    void clear() { setText({}); }
    QString text() const;
    void selectAll();
    void setCursorPosition(int position);
    int cursorPosition() const;
    bool hasSelectedText() const;
    QString selectedText() const;
    void insert(const QString& text);

    bool IsLong() const;
    // The part that holds the text is the editor's focus proxy: it takes
    // the keys. The watcher sees the events of both parts while the editor
    // is whole: not those its parts get as it goes.
    void WatchWith(QObject* watcher);
    bool IsPart(const QObject* object) const;

protected:
    void resizeEvent(QResizeEvent* event) override;

private:
    void Show(QWidget* part);

    QLineEdit* m_pLine = nullptr;
    CLongTextEdit* m_pLong = nullptr;
    QPointer<QObject> m_pWatcher;
};
