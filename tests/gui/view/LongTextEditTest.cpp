#include "view/LongTextEdit.h"
#include "view/CellEditing.h"
#include "view/ViewClipboard.h"

#include "EditingFixture.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QImage>
#include <QTest>

#include <vector>

namespace {

// Longer than the line edit takes, starting with a letter and a mark and
// ending with a character outside the first plane.
const QString kLong = QStringLiteral("e\u0301") + QString(CCellEditor::kLongText * 4, u'x') +
                      QStringLiteral("\U0001F600");

struct Stroke
{
    int key;
    Qt::KeyboardModifiers modifiers = {};
};

} // namespace

class LongTextEditTest : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    // Keys edit the whole text, and Enter stores all of it.
    void keysEditTheWholeText()
    {
        const qsizetype end = kLong.size() - 2;
        struct Case
        {
            const char* name;
            std::vector<Stroke> keys;
            QString stored;
        };
        const Case cases[] = {
            {"Backspace takes the last character, both halves",
             {{Qt::Key_End}, {Qt::Key_Backspace}},
             kLong.left(end)},
            {"Home then a letter", {{Qt::Key_Home}, {Qt::Key_A}}, u'a' + kLong},
            {"Shift+Right selects a letter with its mark",
             {{Qt::Key_Home}, {Qt::Key_Right, Qt::ShiftModifier}, {Qt::Key_B}},
             u'b' + kLong.mid(2)},
            {"Left steps over the last character",
             {{Qt::Key_End}, {Qt::Key_Left}, {Qt::Key_C}},
             kLong.left(end) + u'c' + kLong.mid(end)},
            {"Right closes the selection on its right end",
             {{Qt::Key_Right}, {Qt::Key_D}},
             kLong + u'd'},
            {"Shift+Home then Backspace empties it",
             {{Qt::Key_End}, {Qt::Key_Home, Qt::ShiftModifier}, {Qt::Key_Backspace}},
             QString()},
        };
        for (const Case& c : cases) {
            Editing e;
            e.Grid().SetItemText(0, 1, kLong.toStdString());
            e.DoubleClick(0, 1);
            QVERIFY2(e.Editor().IsLong(), c.name);
            QCOMPARE(e.Editor().selectedText().size(), kLong.size());
            for (const Stroke& stroke : c.keys)
                e.Key(stroke.key, stroke.modifiers);
            e.Key(Qt::Key_Return);
            QVERIFY2(e.Cell(0, 1) == c.stored, c.name);
        }
    }

    // The editor shows the stretch around its cursor, painted, and a click
    // lands among the characters shown.
    void theEditorShowsTheCursor()
    {
        Editing e;
        e.Grid().SetItemText(1, 0, kLong.toStdString());
        e.DoubleClick(1, 0);
        auto& editor = static_cast<CLongTextEdit&>(*e.Editor().focusProxy());
        e.Key(Qt::Key_End);
        QVERIFY(editor.firstShown() > 0);
        QVERIFY(kLong.size() - editor.firstShown() < editor.width());
        const QImage shown = editor.grab().toImage();
        int dark = 0;
        for (int x = 0; x < shown.width(); ++x)
            dark += qGray(shown.pixel(x, shown.height() / 2)) < 128;
        QVERIFY(dark > 0);

        QTest::mouseClick(&editor, Qt::LeftButton, {}, QPoint(editor.width() / 2, 5));
        QVERIFY(editor.cursorPosition() > editor.firstShown());
        QVERIFY(editor.cursorPosition() < kLong.size());
        e.Key(Qt::Key_Home);
        QCOMPARE(editor.firstShown(), 0);
    }

    // A text that moves from one part of the editor to the other keeps the
    // edit open, with the keyboard.
    void changingPartsKeepsTheEdit()
    {
        Editing e;
        e.Grid().SetItemText(2, 0, kLong.toStdString());
        e.Grid().Cursor().SetCurrent(2, 0);
        e.Table().setFocus();
        e.Key(Qt::Key_Q);
        QVERIFY(e.view->Editing().IsEditing());
        QVERIFY(!e.Editor().IsLong());
        QVERIFY(e.Editor().hasFocus());
        QCOMPARE(e.Editor().text(), QStringLiteral("q"));
        e.Key(Qt::Key_Escape);
        QCOMPARE(e.Cell(2, 0), kLong);

        e.DoubleClick(1, 1);
        QGuiApplication::clipboard()->setText(kLong);
        e.view->Clipboard().OnEditPaste();
        QVERIFY(e.view->Editing().IsEditing());
        QVERIFY(e.Editor().IsLong());
        QVERIFY(e.Editor().hasFocus());
        e.Key(Qt::Key_Return);
        QCOMPARE(e.Cell(1, 1), kLong);
    }
};

QTEST_MAIN(LongTextEditTest)
#include "LongTextEditTest.moc"
