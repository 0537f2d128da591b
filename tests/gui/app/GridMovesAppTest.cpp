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

using Keys = QList<QKeyCombination>;

// The fills, the row menu's clipboard, Enter's option and the zoom as a
// user reaches them, on the real window.
class GridMovesAppTest : public QObject
{
    Q_OBJECT

private:
    std::unique_ptr<AppSession> s;

    void Start()
    {
        QVERIFY(s->StartWith("courses.tbw", "V\t1.6\nH\t\"Nom\"\t\"Prix\"\t\nR\t\"pain\"\t\"1\"\t\n"
                                            "R\t\"lait\"\t\"2\"\t\nR\t\"sel\"\t\"\"\t\n"));
    }
    CGridTableView& Table() const { return *s->View().GridWidget(); }
    // Chooses the entry at index in the row menu opened on the range given.
    void ChooseFromRowMenu(CellRange range, int index)
    {
        s->Grid().Cursor().SelectRange(range);
        WhenShown([index](QWidget& menu) {
            for (int k = 0; k <= index; ++k)
                QTest::keyClick(&menu, Qt::Key_Down);
            QTest::keyClick(&menu, Qt::Key_Return);
        });
        const QPoint at = Table().CellRect(range.top, range.left).center();
        QContextMenuEvent event(QContextMenuEvent::Mouse, at, Table().viewport()->mapToGlobal(at));
        QApplication::sendEvent(Table().viewport(), &event);
    }

private Q_SLOTS:
    void init() { s = std::make_unique<AppSession>(); }
    void cleanup() { s.reset(); }

    // Copier (0), Couper (1) and Coller (2) on top of the row menu, and
    // Ctrl+D and Ctrl+R, act on the range.
    void rowMenuAndFillKeysActOnTheRange()
    {
        Start();
        ChooseFromRowMenu({0, 0, 1, 1}, 0);
        QCOMPARE(QGuiApplication::clipboard()->text(), QStringLiteral("pain\t1\nlait\t2\n"));
        ChooseFromRowMenu({2, 0, 2, 0}, 2);
        ChooseFromRowMenu({0, 1, 1, 1}, 1);
        QCOMPARE(QGuiApplication::clipboard()->text(), QStringLiteral("1\n2\n"));
        s->Grid().Cursor().SelectRange({2, 0, 3, 1});
        s->Key(Qt::Key_R, Qt::ControlModifier);
        s->Key(Qt::Key_D, Qt::ControlModifier);
        QCOMPARE(Shown(s->Grid()), QStringLiteral("Nom|Prix\npain|\nlait|\npain|pain\npain|pain"));
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

    // Off at first and kept in the settings; either way Enter stores.
    void enterOption()
    {
        QFETCH(bool, on);
        QFETCH(int, row);
        QFETCH(int, after);
        Start();
        if (on)
            s->Action("ID_OPTION_ENTER_MOVES_DOWN").trigger();
        QCOMPARE(TempSettings::Stored(QStringLiteral("Options/EnterMovesDown")).toInt(), int(on));
        s->View().Editing().BeginCellEdit(row, 1);
        s->View().Editing().Editor()->setText(QStringLiteral("neuf"));
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
        QCOMPARE(s->Cell(row, 1), QStringLiteral("neuf"));
        QCOMPARE(s->Grid().Cursor().Current(), (GridCell{after, 1}));
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

    // Through an open editor: cells, row numbers, column names and the
    // editor take the size, and the rows are tall enough for it.
    void zoomKeys()
    {
        QFETCH(Keys, keys);
        QFETCH(int, percent);
        Start();
        const QFont normal = Table().font();
        s->View().Editing().BeginCellEdit(0, 0);
        for (const QKeyCombination key : keys)
            QTest::keyClick(QApplication::focusWidget(), key.key(), key.keyboardModifiers());
        QCOMPARE(s->View().Zoom().Percent(), percent);
        const QFont font = Table().font();
        QCOMPARE(font.pointSizeF(), normal.pointSizeF() * percent / 100);
        QVERIFY(Table().rowHeight(0) > QFontMetrics(font).height());
        for (const QWidget* part :
             {static_cast<QWidget*>(Table().verticalHeader()),
              static_cast<QWidget*>(Table().horizontalHeader()), QApplication::focusWidget()})
            QCOMPARE(part->font(), font);
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
        s->Stop();
        Start();
        QCOMPARE(s->View().Zoom().Percent(), 125);
        QCOMPARE(Table().font().pointSizeF(), normal.pointSizeF() * 1.25);
        QCOMPARE(s->View().PrintJob().ScreenFont(), normal);
    }
};

QTEST_MAIN(GridMovesAppTest)
#include "GridMovesAppTest.moc"
