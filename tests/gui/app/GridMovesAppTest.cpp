#include "app/TablewrightApp.h"
#include "document/TablewrightDoc.h"
#include "print/PrintJob.h"
#include "view/CellEditing.h"
#include "view/CellEditor.h"
#include "view/GridTableView.h"
#include "view/GridZoom.h"
#include "view/TablewrightView.h"

#include "AppSession.h"
#include "GuiTestSupport.h"

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QContextMenuEvent>
#include <QHeaderView>
#include <QTest>
#include <QWheelEvent>

#include <memory>

namespace {

constexpr char kList[] = "V\t1.6\nH\t\"Nom\"\t\"Prix\"\t\nR\t\"pain\"\t\"1\"\t\n"
                         "R\t\"lait\"\t\"2\"\t\nR\t\"sel\"\t\"\"\t\n";

using Keys = QList<QKeyCombination>;

} // namespace

// The fills, the zoom and Enter's option as a user reaches them: keys, the
// row menu and the Options menu, on the real window.
class GridMovesAppTest : public QObject
{
    Q_OBJECT

private:
    std::unique_ptr<AppSession> s;

    void Start() { QVERIFY(s->StartWith("courses.tbw", kList)); }
    CGridTableView& Table() const { return *s->View().GridWidget(); }
    void Select(CellRange range) { s->Grid().Cursor().SelectRange(range); }
    void RightClickCell(int row, int column)
    {
        const QPoint at = Table().CellRect(row, column).center();
        QContextMenuEvent event(QContextMenuEvent::Mouse, at, Table().viewport()->mapToGlobal(at));
        QApplication::sendEvent(Table().viewport(), &event);
    }
    // Chooses the row menu's entry at index, counted from the top.
    void ChooseFromRowMenu(int row, int column, int index)
    {
        WhenShown([index](QWidget& menu) {
            for (int k = 0; k <= index; ++k)
                QTest::keyClick(&menu, Qt::Key_Down);
            QTest::keyClick(&menu, Qt::Key_Return);
        });
        RightClickCell(row, column);
    }

private Q_SLOTS:
    void init() { s = std::make_unique<AppSession>(); }
    void cleanup() { s.reset(); }

    void fillKeys_data()
    {
        QTest::addColumn<int>("key");
        QTest::addColumn<QString>("after");
        QTest::newRow("ctrl+d") << int(Qt::Key_D) << "Nom|Prix\npain|1\npain|1\nsel|\n|";
        QTest::newRow("ctrl+r") << int(Qt::Key_R) << "Nom|Prix\npain|pain\nlait|lait\nsel|\n|";
    }

    void fillKeys()
    {
        QFETCH(int, key);
        QFETCH(QString, after);
        Start();
        Select({0, 0, 1, 1});
        s->Key(key, Qt::ControlModifier);
        QCOMPARE(Shown(s->Grid()), after);
    }

    // Copy, cut and paste from the row menu act on the range it opened in.
    void rowMenuCopiesAndPastesTheRange()
    {
        Start();
        Select({0, 0, 1, 1});
        ChooseFromRowMenu(1, 1, 0);
        QCOMPARE(QGuiApplication::clipboard()->text(), QStringLiteral("pain\t1\nlait\t2\n"));
        Select({2, 0, 2, 0});
        ChooseFromRowMenu(2, 0, 2);
        QCOMPARE(Shown(s->Grid()), QStringLiteral("Nom|Prix\npain|1\nlait|2\npain|1\nlait|2"));
        Select({0, 1, 1, 1});
        ChooseFromRowMenu(0, 1, 1);
        QCOMPARE(QGuiApplication::clipboard()->text(), QStringLiteral("1\n2\n"));
        QCOMPARE(Shown(s->Grid()), QStringLiteral("Nom|Prix\npain|\nlait|\npain|1\nlait|2"));
    }

    void enterOption_data()
    {
        QTest::addColumn<bool>("on");
        QTest::addColumn<int>("row");
        QTest::addColumn<int>("after");
        QTest::newRow("off stays") << false << 0 << 0;
        QTest::newRow("on goes down") << true << 0 << 1;
        QTest::newRow("on stays on the last row") << true << 3 << 3;
    }

    // The option is off at first and kept in the settings; either way
    // Enter stores the text.
    void enterOption()
    {
        QFETCH(bool, on);
        QFETCH(int, row);
        QFETCH(int, after);
        Start();
        QAction& option = s->Action("ID_OPTION_ENTER_MOVES_DOWN");
        QVERIFY(!option.isChecked());
        if (on)
            option.trigger();
        QCOMPARE(option.isChecked(), on);
        QCOMPARE(TempSettings::Stored(QStringLiteral("Options/EnterMovesDown")).toInt(), int(on));
        s->View().Editing().BeginCellEdit(row, 1);
        CCellEditor& editor = *s->View().Editing().Editor();
        editor.setText(QStringLiteral("neuf"));
        QTest::keyClick(editor.focusProxy(), Qt::Key_Return);
        QCOMPARE(s->Cell(row, 1), QStringLiteral("neuf"));
        QCOMPARE(s->Grid().Cursor().Current(), (GridCell{after, 1}));
        QVERIFY(!s->View().Editing().IsEditing());
    }

    void zoomKeys_data()
    {
        QTest::addColumn<Keys>("keys");
        QTest::addColumn<int>("percent");
        const QKeyCombination in = Qt::ControlModifier | Qt::Key_Plus;
        const QKeyCombination out = Qt::ControlModifier | Qt::Key_Minus;
        QTest::newRow("ctrl++") << Keys{in} << 110;
        QTest::newRow("ctrl+=") << Keys{Qt::ControlModifier | Qt::Key_Equal} << 110;
        QTest::newRow("ctrl+-") << Keys{out} << 90;
        QTest::newRow("ctrl+0") << Keys{in, in, Qt::ControlModifier | Qt::Key_0} << 100;
        QTest::newRow("three times at most") << Keys(20, in) << 300;
        QTest::newRow("half at least") << Keys(20, out) << 50;
    }

    // Cells, row numbers, column names and the editor take the size, and
    // the rows are tall enough for it.
    void zoomKeys()
    {
        QFETCH(Keys, keys);
        QFETCH(int, percent);
        Start();
        s->View().Editing().BeginCellEdit(0, 0);
        const QFont normal = Table().font();
        // The keys reach the window through the open editor.
        for (const QKeyCombination key : keys)
            QTest::keyClick(QApplication::focusWidget(), key.key(), key.keyboardModifiers());
        QCOMPARE(s->View().Zoom().Percent(), percent);
        const QFont font = Table().font();
        QCOMPARE(font.pointSizeF(), normal.pointSizeF() * percent / 100);
        QVERIFY(Table().rowHeight(0) > QFontMetrics(font).height());
        QCOMPARE(Table().verticalHeader()->font(), font);
        QCOMPARE(Table().horizontalHeader()->font(), font);
        QCOMPARE(s->View().Editing().Editor()->focusProxy()->font(), font);
        QVERIFY(s->View().Editing().IsEditing());
        s->View().Editing().CancelCellEdit();
    }

    // Ctrl with the wheel steps too; the size comes back at the next start,
    // and printing keeps measuring against the normal size.
    void zoomIsKeptAndLeavesPrintingAlone()
    {
        Start();
        const QFont normal = Table().font();
        const QPointF at = Table().viewport()->rect().center();
        QWheelEvent wheel(at, Table().viewport()->mapToGlobal(at), {}, {0, 240}, Qt::NoButton,
                          Qt::ControlModifier, Qt::NoScrollPhase, false);
        QApplication::sendEvent(Table().viewport(), &wheel);
        QCOMPARE(s->View().Zoom().Percent(), 125);
        QCOMPARE(TempSettings::Stored(QStringLiteral("Options/Zoom")).toInt(), 125);
        s->Stop();
        Start();
        QCOMPARE(s->View().Zoom().Percent(), 125);
        QCOMPARE(Table().font().pointSizeF(), normal.pointSizeF() * 1.25);
        QCOMPARE(s->View().PrintJob().ScreenFont(), normal);
    }
};

QTEST_MAIN(GridMovesAppTest)
#include "GridMovesAppTest.moc"
