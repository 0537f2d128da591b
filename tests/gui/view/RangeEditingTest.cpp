#include "EditingFixture.h"
#include "view/ViewClipboard.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QHeaderView>
#include <QImage>
#include <QMimeData>
#include <QTest>

namespace {

QString RangeOf(const CGridListCtrl& grid)
{
    const CellRange r = grid.Cursor().Range();
    return QStringLiteral("%1,%2-%3,%4").arg(r.top).arg(r.left).arg(r.bottom).arg(r.right);
}

// Whether the grid paints the cell as selected: a spot of it clear of its
// text has the highlight colour.
bool PaintedSelected(Editing& e, int row, int column)
{
    const QImage image = e.Table().viewport()->grab().toImage();
    const QRect cell = e.Table().CellRect(row, column);
    const QColor spot = image.pixelColor(cell.right() - 4, cell.center().y());
    return spot == e.Table().palette().color(QPalette::Active, QPalette::Highlight);
}

} // namespace

class RangeEditingTest : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    // Shift with the keys, Shift+click, a drag, the row numbers and Ctrl+A
    // all stretch the range; the status bar counts it.
    void theRangeStretches()
    {
        Editing e;
        QTest::mouseClick(e.Table().viewport(), Qt::LeftButton, {}, e.Center(0, 1));
        e.Key(Qt::Key_Down, Qt::ShiftModifier);
        e.Key(Qt::Key_Right, Qt::ShiftModifier);
        QCOMPARE(RangeOf(e.Grid()), QStringLiteral("0,1-1,2"));
        QCOMPARE(e.status.cell, QStringLiteral("Ligne 2, Colonne 3 (2 × 2)"));
        QVERIFY(PaintedSelected(e, 0, 2));
        QVERIFY(!PaintedSelected(e, 2, 2));

        QTest::mouseClick(e.Table().viewport(), Qt::LeftButton, Qt::ShiftModifier, e.Center(2, 0));
        QCOMPARE(RangeOf(e.Grid()), QStringLiteral("0,0-2,1"));

        QTest::mousePress(e.Table().viewport(), Qt::LeftButton, {}, e.Center(2, 3));
        QMouseEvent drag(QEvent::MouseMove, e.Center(1, 2),
                         e.Table().viewport()->mapToGlobal(e.Center(1, 2)), Qt::NoButton,
                         Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(e.Table().viewport(), &drag);
        QTest::mouseRelease(e.Table().viewport(), Qt::LeftButton, {}, e.Center(1, 2));
        QCOMPARE(RangeOf(e.Grid()), QStringLiteral("1,2-2,3"));

        QWidget* numbers = e.Table().verticalHeader()->viewport();
        const int y1 = e.Center(1, 0).y();
        QTest::mouseClick(numbers, Qt::LeftButton, {}, QPoint(5, y1));
        QCOMPARE(RangeOf(e.Grid()), QStringLiteral("1,0-1,3"));
        QTest::mouseClick(numbers, Qt::LeftButton, Qt::ShiftModifier,
                          QPoint(5, e.Center(2, 0).y()));
        QCOMPARE(RangeOf(e.Grid()), QStringLiteral("1,0-2,3"));

        e.Key(Qt::Key_A, Qt::ControlModifier);
        QCOMPARE(RangeOf(e.Grid()), QStringLiteral("0,0-2,3"));
        e.Key(Qt::Key_End);
        QCOMPARE(RangeOf(e.Grid()), QStringLiteral("0,3-0,3"));
    }

    // A range travels to the clipboard as tab-separated text and as an HTML
    // table, and a block comes back as cells: one step, undone at once.
    void blocksGoThroughTheClipboard()
    {
        Editing e;
        e.Grid().Cursor().SetCurrent(0, 0);
        e.Grid().Cursor().ExtendTo(1, 1);
        e.view->Clipboard().OnEditCopy();
        const QMimeData* copied = QGuiApplication::clipboard()->mimeData();
        QCOMPARE(copied->text(), QStringLiteral("a0\tb0\na1\tb1\n"));
        QVERIFY(copied->html().contains(QStringLiteral("<td>a1</td><td>b1</td>")));
        // The table is made when asked for, from what was copied, whatever
        // the list became since.
        e.Grid().SetItemText(0, 0, "changé");
        QVERIFY(copied->html().contains(QStringLiteral("<td>a0</td><td>b0</td>")));
        e.Grid().SetItemText(0, 0, "a0");

        e.Grid().Cursor().SetCurrent(2, 2);
        QGuiApplication::clipboard()->setText(QStringLiteral("ÉCOLE\tx1\tx2\nligne2\ty\n"));
        e.view->Clipboard().OnEditPaste();
        QCOMPARE(Shown(e.Grid()), QStringLiteral("A|B|C|D|Nouvelle colonne\na0|b0|||\na1|b1|||\n"
                                                 "a2|b2|ÉCOLE|x1|x2\n||ligne2|y|"));
        QCOMPARE(RangeOf(e.Grid()), QStringLiteral("2,2-3,4"));
        QVERIFY(e.doc.Undo());
        QCOMPARE(Shown(e.Grid()), QStringLiteral("A|B|C|D\na0|b0||\na1|b1||\na2|b2|c2|d2"));

        // A spreadsheet's HTML table tells a line break inside a cell, and a
        // cell starting with a quote, from what the text says.
        auto* spreadsheet = new QMimeData;
        spreadsheet->setText(QStringLiteral("\"Bonjour\" dit-il\tdeux\nlignes\n"));
        spreadsheet->setHtml(QStringLiteral("<table><tr><td>&quot;Bonjour&quot; dit-il</td>"
                                            "<td>deux<br>lignes</td></tr></table>"));
        QGuiApplication::clipboard()->setMimeData(spreadsheet);
        e.Grid().Cursor().SetCurrent(0, 2);
        e.view->Clipboard().OnEditPaste();
        QCOMPARE(Shown(e.Grid()), QStringLiteral("A|B|C|D\na0|b0|\"Bonjour\" dit-il|deux lignes\n"
                                                 "a1|b1||\na2|b2|c2|d2"));
        QVERIFY(e.doc.Undo());

        e.Grid().Cursor().SetCurrent(0, 0);
        e.Grid().Cursor().ExtendTo(1, 1);
        e.view->Clipboard().OnEditCut();
        QCOMPARE(QGuiApplication::clipboard()->text(), QStringLiteral("a0\tb0\na1\tb1\n"));
        QCOMPARE(e.Cell(1, 1), QString());
        QCOMPARE(e.doc.History().UndoName(), QStringLiteral("Couper les cellules"));
    }

    // Undo and redo bring the changed cell into view and make it current.
    void undoShowsTheChangedCell()
    {
        Editing e;
        e.Grid().AppendEmptyRows(300);
        e.Grid().SetItemText(250, 1, "x");
        e.Grid().Cursor().SetCurrent(250, 1);
        e.Key(Qt::Key_Delete);
        e.Key(Qt::Key_Home, Qt::ControlModifier);
        QCOMPARE(e.Table().rowAt(0), 0);
        QVERIFY(e.doc.Undo());
        QCOMPARE(e.Grid().Cursor().Current(), (GridCell{250, 1}));
        QVERIFY(e.Table().viewport()->rect().contains(e.Center(250, 1)));
    }

    // Ctrl+Enter stores the editor's text into every cell of the range.
    void ctrlEnterFillsTheRange()
    {
        Editing e;
        QTest::mouseClick(e.Table().viewport(), Qt::LeftButton, {}, e.Center(0, 2));
        e.Key(Qt::Key_Down, Qt::ShiftModifier);
        e.Key(Qt::Key_Right, Qt::ShiftModifier);
        e.Key(Qt::Key_Z, Qt::ShiftModifier);
        QVERIFY(e.Editor().isVisible());
        e.Key(Qt::Key_Return, Qt::ControlModifier);
        QVERIFY(!e.Editor().isVisible());
        QCOMPARE(Shown(e.Grid()), QStringLiteral("A|B|C|D\na0|b0|Z|Z\na1|b1|Z|Z\na2|b2|c2|d2"));
        QCOMPARE(e.doc.History().StepCount(), std::size_t{1});
    }
};

QTEST_MAIN(RangeEditingTest)
#include "RangeEditingTest.moc"
