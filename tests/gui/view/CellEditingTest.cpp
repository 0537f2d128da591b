#include "document/TablewrightDoc.h"
#include "view/GridTableView.h"
#include "view/TablewrightView.h"
#include "view/ViewMenus.h"

#include "EditingFixture.h"

#include <QApplication>
#include <QHeaderView>
#include <QHelpEvent>
#include <QInputMethodEvent>
#include <QLineEdit>
#include <QSignalSpy>
#include <QTest>
#include <QToolTip>

class CellEditingTest : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    // The editor lies 4 px inside the cell over the row's full height and
    // holds the cell's text, all of it selected.
    void doubleClickTypeAndEnterStoresTheText()
    {
        Editing e;
        e.DoubleClick(1, 1);
        QVERIFY(e.Editor().isVisible());
        QCOMPARE(e.Editor().geometry(), e.Table().CellRect(1, 1).adjusted(4, 0, -4, 0));
        QCOMPARE(e.Editor().text(), QStringLiteral("b1"));
        QCOMPARE(e.Editor().selectedText(), QStringLiteral("b1"));
        QVERIFY(e.Editor().hasFocus());
        QTest::keyClicks(e.Editor().focusProxy(), QStringLiteral("neuf"));
        e.Key(Qt::Key_Return);
        QVERIFY(!e.Editor().isVisible());
        QCOMPARE(e.Cell(1, 1), QStringLiteral("neuf"));
        QCOMPARE(e.status.cell, QStringLiteral("Ligne 2, Colonne 2"));
        QVERIFY(e.doc.IsModified());
        QVERIFY(e.Table().hasFocus());
    }

    void escapeKeepsTheCell()
    {
        Editing e;
        e.DoubleClick(0, 0);
        QTest::keyClicks(e.Editor().focusProxy(), QStringLiteral("perdu"));
        e.Key(Qt::Key_Escape);
        QVERIFY(!e.Editor().isVisible());
        QCOMPARE(e.Cell(0, 0), QStringLiteral("a0"));
        QVERIFY(!e.doc.IsModified());
        // Nothing is stored when the hidden editor then loses the focus.
        e.neighbour->setFocus();
        QCOMPARE(e.Cell(0, 0), QStringLiteral("a0"));
    }

    // Shift+Tab goes right as Tab does; past the last cell a row is added.
    void tabWalksRightAndAddsARowAtTheEnd()
    {
        Editing e;
        e.DoubleClick(2, 2);
        e.Key(Qt::Key_Backtab, Qt::ShiftModifier);
        QCOMPARE(e.Grid().Cursor().CurrentColumn(), 3);
        QTest::keyClicks(e.Editor().focusProxy(), QStringLiteral("fin"));
        e.Key(Qt::Key_Tab);
        QCOMPARE(e.Cell(2, 3), QStringLiteral("fin"));
        QCOMPARE(e.Grid().GetItemCount(), 4);
        QVERIFY(e.Editor().isVisible());
        QCOMPARE(e.Grid().Cursor().CurrentRow(), 3);
        QCOMPARE(e.Grid().Cursor().CurrentColumn(), 0);
        QCOMPARE(e.Grid().Cursor().CurrentRow(), 3);
    }

    void ctrlArrowsStopAtTheEdges()
    {
        Editing e;
        e.DoubleClick(0, 0);
        QList<int> columns;
        for (int i = 0; i < 4; ++i) {
            e.Key(Qt::Key_Right, Qt::ControlModifier);
            columns << e.Grid().Cursor().CurrentColumn();
        }
        QCOMPARE(columns, (QList<int>{1, 2, 3, 3}));
        e.Key(Qt::Key_Up, Qt::ControlModifier);
        QCOMPARE(e.Grid().Cursor().CurrentRow(), 0);
        QVERIFY(e.Editor().isVisible());
        e.Key(Qt::Key_Down, Qt::ControlModifier);
        e.Key(Qt::Key_Down, Qt::ControlModifier);
        e.Key(Qt::Key_Down, Qt::ControlModifier);
        QCOMPARE(e.Grid().Cursor().CurrentRow(), 2);
        QCOMPARE(e.Grid().GetItemCount(), 3);
    }

    void typingOnTheGridStartsAnEdit_data()
    {
        QTest::addColumn<int>("key");
        QTest::addColumn<int>("modifiers");
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("opened");
        const auto row = [](const char* name, int key, int modifiers, const QString& text,
                            const QString& opened) {
            QTest::newRow(name) << key << modifiers << text << opened;
        };
        const QString none;
        row("a", Qt::Key_A, Qt::NoModifier, none, "a");
        row("Shift+A", Qt::Key_A, Qt::ShiftModifier, none, "A");
        row("keypad 7", Qt::Key_7, Qt::KeypadModifier, none, "7");
        row("space", Qt::Key_Space, Qt::NoModifier, none, " ");
        row("é", Qt::Key_Eacute, Qt::NoModifier, "é", "é");
        row("ç", Qt::Key_Ccedilla, Qt::NoModifier, "ç", "ç");
        row("€ with AltGr", 0x20ac, Qt::GroupSwitchModifier, "€", "€");
        row("ê after a dead key", Qt::Key_E, Qt::NoModifier, "ê", "ê");
        row("ê from an input method", -1, Qt::NoModifier, "ê", "ê");
        row("F4", Qt::Key_F4, Qt::NoModifier, none, none);
        row("dead key", Qt::Key_Dead_Circumflex, Qt::NoModifier, none, none);
        row("Ctrl+B", Qt::Key_B, Qt::ControlModifier, none, none);
        row("Alt+é", Qt::Key_Eacute, Qt::AltModifier, "é", none);
    }

    // Typing replaces the cell's text with what the keyboard typed, accents
    // and composed letters included; the caret stands after it.
    void typingOnTheGridStartsAnEdit()
    {
        QFETCH(int, key);
        QFETCH(int, modifiers);
        QFETCH(QString, text);
        QFETCH(QString, opened);
        Editing e;
        QTest::mouseClick(e.Table().viewport(), Qt::LeftButton, {}, e.Center(1, 0));
        if (key < 0) {
            QInputMethodEvent composed;
            composed.setCommitString(text);
            QApplication::sendEvent(&e.Table(), &composed);
        } else if (text.isNull()) {
            e.Key(key, Qt::KeyboardModifiers(modifiers));
        } else {
            QTest::sendKeyEvent(QTest::Click, &e.Table(), static_cast<Qt::Key>(key), text,
                                Qt::KeyboardModifiers(modifiers));
        }
        QCOMPARE(e.Editor().isVisible(), !opened.isNull());
        if (opened.isNull())
            return;
        QCOMPARE(e.Editor().text(), opened);
        QCOMPARE(e.Editor().cursorPosition(), 1);
        QVERIFY(!e.Editor().hasSelectedText());
        QTest::keyClicks(e.Editor().focusProxy(), QStringLiteral("cole"));
        e.Key(Qt::Key_Return);
        QCOMPARE(e.Cell(1, 0), opened + QStringLiteral("cole"));
    }

    // A new list is filled from the keyboard alone: typing starts its first
    // row, Tab walks on and adds the next; one step undoes each cell.
    void aNewListFillsFromTheKeyboard()
    {
        Editing e;
        e.doc.OnNewDocument();
        e.view->OnInitialUpdate();
        e.Table().setFocus();
        QTest::keyClicks(&e.Table(), QStringLiteral("u"));
        QVERIFY(e.Editor().isVisible());
        for (const char* cell : {"n", "d", "e", "f"}) {
            e.Key(Qt::Key_Tab);
            QTest::keyClicks(e.Editor().focusProxy(), QString::fromLatin1(cell));
        }
        e.Key(Qt::Key_Return);
        QCOMPARE(Shown(e.Grid()), QStringLiteral("A|B|C|D\nu|n|d|e\nf|||"));
        QVERIFY(e.doc.Undo());
        QCOMPARE(Shown(e.Grid()), QStringLiteral("A|B|C|D\nu|n|d|e"));
    }

    void deleteEmptiesTheCellAlsoFromTheEditor()
    {
        Editing e;
        e.DoubleClick(0, 1);
        QTest::keyClicks(e.Editor().focusProxy(), QStringLiteral("xyz"));
        e.Key(Qt::Key_Delete);
        QVERIFY(!e.Editor().isVisible());
        QCOMPARE(e.Cell(0, 1), QString());
        QVERIFY(e.doc.IsModified());
    }

    // The arrow keys move the current cell, and the highlighted row with it:
    // what the user sees selected is what typing and Delete change.
    void keysActOnTheHighlightedRow()
    {
        Editing e;
        e.DoubleClick(0, 0);
        e.Key(Qt::Key_Escape);
        e.Key(Qt::Key_Down);
        e.Key(Qt::Key_Down);
        QCOMPARE(e.Grid().Cursor().CurrentRow(), 2);
        e.Key(Qt::Key_Delete);
        QCOMPARE(e.Cell(2, 0), QString());
        QCOMPARE(e.Cell(0, 0), QStringLiteral("a0"));
        e.Key(Qt::Key_Up);
        e.Key(Qt::Key_X, Qt::ShiftModifier);
        e.Key(Qt::Key_Return);
        QCOMPARE(e.Cell(1, 0), QStringLiteral("X"));
        // F2 opens the editor with the caret after the text, as spreadsheets do.
        e.Key(Qt::Key_F2);
        QVERIFY(e.Editor().isVisible());
        QVERIFY(!e.Editor().hasSelectedText());
        QCOMPARE(e.Editor().cursorPosition(), 1);
    }

    // Rows are added down to the pointer, and only where a row can lie; a
    // dropped edit takes them away again, so the list is as it was.
    void doubleClickBelowTheListAddsRowsDownToIt()
    {
        Editing e;
        const int rowHeight = e.Table().rowHeight(0);
        const QPoint far(e.Center(2, 2).x(), e.Center(2, 2).y() + 5 * rowHeight);
        e.DoubleClick(far);
        QCOMPARE(e.Grid().GetItemCount(), 8);
        QCOMPARE(e.Grid().Cursor().CurrentRow(), 7);
        QVERIFY(e.Editor().isVisible());
        QCOMPARE(e.Grid().Cursor().CurrentColumn(), 2);
        e.Key(Qt::Key_Escape);
        QCOMPARE(e.Grid().GetItemCount(), 3);
        QCOMPARE(e.Grid().Cursor().Current(), (GridCell{2, 2}));
        QVERIFY(!e.doc.IsModified());

        const QPoint besideTheColumns(e.Table().viewport()->width() - 2, far.y());
        QVERIFY(e.Table().columnAt(besideTheColumns.x()) < 0);
        e.DoubleClick(besideTheColumns);
        QCOMPARE(e.Grid().GetItemCount(), 3);
        QVERIFY(!e.Editor().isVisible());
    }

    void losingTheFocusStoresTheText()
    {
        Editing e;
        e.DoubleClick(1, 0);
        e.Editor().insert(QStringLiteral("gardé"));
        e.neighbour->setFocus();
        QVERIFY(!e.Editor().isVisible());
        QCOMPARE(e.Cell(1, 0), QStringLiteral("gardé"));
        QVERIFY(e.neighbour->hasFocus());
    }

    // No length limit: changing one letter of a long cell keeps the rest,
    // and a pasted line break reaches the cell as a space.
    void theEditorKeepsTheWholeText()
    {
        Editing e;
        const std::string longText(300, 'x');
        e.Grid().SetItemText(0, 0, longText);
        e.DoubleClick(0, 0);
        QCOMPARE(e.Editor().text().size(), 300);
        e.Key(Qt::Key_End);
        e.Key(Qt::Key_Backspace);
        QTest::keyClicks(e.Editor().focusProxy(), QStringLiteral("y"));
        e.Key(Qt::Key_Return);
        QCOMPARE(e.Cell(0, 0), QString::fromStdString(std::string(299, 'x') + "y"));

        e.DoubleClick(0, 1);
        e.Editor().setText(QStringLiteral("un\tdeux\ntrois"));
        e.Key(Qt::Key_Return);
        QCOMPARE(e.Cell(0, 1), QStringLiteral("un deux trois"));
    }

    // The header names its column, and nothing right of the last one.
    void headerRightClickNamesItsColumn()
    {
        Editing e;
        QSignalSpy menus(&e.view->Menus(), &CViewMenus::columnMenuRequested);
        QHeaderView* header = e.Table().horizontalHeader();
        const QPoint second(header->sectionViewportPosition(1) + 10, header->height() / 2);
        QTest::mouseClick(header->viewport(), Qt::RightButton, {}, second);
        QCOMPARE(menus.count(), 1);
        QCOMPARE(e.view->Menus().MenuColumn(), 1);
        const QPoint empty(header->viewport()->width() - 2, header->height() / 2);
        QVERIFY(header->logicalIndexAt(empty) < 0);
        QTest::mouseClick(header->viewport(), Qt::RightButton, {}, empty);
        QCOMPARE(menus.count(), 1);
        QCOMPARE(e.view->Menus().MenuColumn(), 1);
    }

    // Dragging a header with the mouse moves the column with its cells.
    void aHeaderDraggedWithTheMouseMovesItsColumn()
    {
        Editing e;
        QHeaderView* header = e.Table().horizontalHeader();
        QWidget* sections = header->viewport();
        const int y = header->height() / 2;
        const QPoint from(header->sectionViewportPosition(0) + 20, y);
        const QPoint to(header->sectionViewportPosition(2) + header->sectionSize(2) - 10, y);
        QTest::mousePress(sections, Qt::LeftButton, {}, from);
        for (int x = from.x(); x <= to.x(); x += 10)
            QTest::mouseMove(sections, QPoint(x, y));
        QTest::mouseRelease(sections, Qt::LeftButton, {}, to);
        QTRY_COMPARE(Shown(e.Grid()), QStringLiteral("B|C|A|D\nb0||a0|\nb1||a1|\nb2|c2|a2|d2"));
        QVERIFY(e.doc.IsModified());
        QCOMPARE(e.doc.History().UndoName(), QStringLiteral("Déplacer les colonnes"));
    }

    // A name the header cuts off shows whole as the section's tool tip.
    void aCutOffNameShowsAsToolTip()
    {
        Editing e;
        const QString name = QStringLiteral("Une colonne au nom bien trop long pour sa place");
        e.Grid().SetColumnName(0, name.toStdString());
        QHeaderView* header = e.Table().horizontalHeader();
        const auto tipAt = [&](int column) {
            const QPoint at(header->sectionViewportPosition(column) + 5, header->height() / 2);
            QHelpEvent help(QEvent::ToolTip, at, header->viewport()->mapToGlobal(at));
            QApplication::sendEvent(header->viewport(), &help);
            return QToolTip::isVisible() ? QToolTip::text() : QString();
        };
        QCOMPARE(tipAt(1), QString());
        QCOMPARE(tipAt(0), name);
    }
};

QTEST_MAIN(CellEditingTest)
#include "CellEditingTest.moc"
