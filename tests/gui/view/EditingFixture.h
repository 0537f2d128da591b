#pragma once

#include "document/TablewrightDoc.h"
#include "view/CellEditing.h"
#include "view/CellEditor.h"
#include "view/GridTableView.h"
#include "view/TablewrightView.h"

#include "GuiTestSupport.h"

#include <QApplication>
#include <QLineEdit>
#include <QTest>

namespace {

class SilentStatus : public IProgress
{
public:
    QString cell;
    QString prompt;
    QString statistics;
    void SetProgress(int) override {}
    void SetStatusPaneText(int pane, const QString& text) override
    {
        (pane == 1 ? cell : pane == 3 ? statistics : prompt) = text;
    }
};

// A shown view over a list of three rows under four columns, with a
// neighbour that can take the focus away from the editor.
struct Editing
{
    TempSettings settings;
    ScriptedPrompt prompt;
    SilentStatus status;
    CTablewrightDoc doc{prompt, status};
    QWidget window;
    CTablewrightView* view = new CTablewrightView(doc, status, &window);
    QLineEdit* neighbour = new QLineEdit(&window);

    Editing()
    {
        doc.m_bLoaded = true;
        view->OnInitialUpdate();
        Fill(Grid(), {"A", "B", "C", "D"}, {{"a0", "b0"}, {"a1", "b1"}, {"a2", "b2", "c2", "d2"}});
        view->setGeometry(0, 0, 500, 300);
        neighbour->setGeometry(0, 310, 100, 20);
        window.resize(500, 340);
        window.show();
        QApplication::setActiveWindow(&window);
        if (!QTest::qWaitForWindowActive(&window))
            qWarning("the window did not become active");
    }
    CGridListCtrl& Grid() { return doc.GetGrid(); }
    CGridTableView& Table() { return *view->GridWidget(); }
    CCellEditor& Editor() { return *view->Editing().Editor(); }
    QPoint Center(int row, int column) { return Table().CellRect(row, column).center(); }
    void DoubleClick(QPoint at) { QTest::mouseDClick(Table().viewport(), Qt::LeftButton, {}, at); }
    void DoubleClick(int row, int column) { DoubleClick(Center(row, column)); }
    // The key goes where the keyboard is: the editor while it is open. It
    // carries the text a keyboard gives it: a letter in upper case with
    // Shift; a dead key has none of its own.
    void Key(int key, Qt::KeyboardModifiers modifiers = {})
    {
        QWidget* target = Editor().isVisible() ? Editor().focusProxy() : &Table();
        QString text;
        if (key >= Qt::Key_A && key <= Qt::Key_Z && !(modifiers & Qt::ControlModifier))
            text = (modifiers & Qt::ShiftModifier) ? QChar(key) : QChar(key).toLower();
        if (!text.isEmpty() ||
            (key >= Qt::Key_Dead_Grave && key <= Qt::Key_Dead_Longsolidusoverlay))
            QTest::sendKeyEvent(QTest::Click, target, static_cast<Qt::Key>(key), text, modifiers);
        else
            QTest::keyClick(target, static_cast<Qt::Key>(key), modifiers);
    }
    // A key that types text: an accented letter, or one composed after a
    // dead key.
    void Type(int key, const QString& text)
    {
        QWidget* target = Editor().isVisible() ? Editor().focusProxy() : &Table();
        QTest::sendKeyEvent(QTest::Click, target, static_cast<Qt::Key>(key), text, {});
    }
    QString Cell(int row, int column)
    {
        return QString::fromStdString(Grid().GetItemText(row, column));
    }
};

} // namespace
