#include "view/TablewrightView.h"
#include "document/TablewrightDoc.h"
#include "view/CellEditing.h"
#include "view/CellEditor.h"
#include "view/GridTableView.h"
#include "view/ListCommands.h"
#include "view/ViewMenus.h"

#include "GuiTestSupport.h"

#include <QApplication>
#include <QContextMenuEvent>
#include <QHeaderView>
#include <QImage>
#include <QLineEdit>
#include <QSignalSpy>
#include <QTest>
#include <limits>

namespace {

// The status bar as the view writes it.
class StatusPanes : public IProgress
{
public:
    QString panes[4];
    void SetProgress(int) override {}
    void SetStatusPaneText(int pane, const QString& text) override { panes[pane] = text; }
};

} // namespace

class TablewrightViewTest : public QObject
{
    Q_OBJECT

private:
    TempSettings settings;
    ScriptedPrompt prompt;
    StatusPanes status;
    TempFiles files;

    struct Fixture
    {
        CTablewrightDoc doc;
        CTablewrightView view;
        Fixture(ScriptedPrompt& prompt, StatusPanes& status)
            : doc(prompt, status), view(doc, status)
        {
            view.resize(500, 300);
        }
        CGridTableView& Table() { return *view.GridWidget(); }
        void Click(int row, int column)
        {
            QTest::mouseClick(Table().viewport(), Qt::LeftButton, {},
                              Table().CellRect(row, column).center());
        }
    };

private Q_SLOTS:
    void theViewShowsTheDocumentsList()
    {
        Fixture f(prompt, status);
        f.view.OnInitialUpdate();
        QCOMPARE(f.view.Editing().Editor()->parentWidget(), f.Table().viewport());
        QVERIFY(f.view.Editing().Editor()->isHidden());
        QCOMPARE(f.view.Editing().Editor()->findChild<QLineEdit*>()->maxLength(),
                 std::numeric_limits<int>::max());
    }

    void anOpenBeforeTheInitialUpdateShowsTheFileAlone()
    {
        Fixture f(prompt, status);
        const QString path = files.Write("l.tbw", "V\t1.6\nH\t\"seule\"\t\nR\t\"x\"\t\n");
        QVERIFY(f.doc.OpenDocumentFile(path));
        QCOMPARE(Shown(f.doc.GetGrid()), QStringLiteral("seule\nx\n"));
        f.view.OnInitialUpdate();
        QCOMPARE(Shown(f.doc.GetGrid()), QStringLiteral("seule\nx\n"));
    }

    void aClickMakesTheCellCurrentAndShowsIt()
    {
        Fixture f(prompt, status);
        f.view.OnInitialUpdate();
        f.doc.GetGrid().InsertItem(0, "un");
        f.doc.GetGrid().InsertItem(1, "deux");
        f.view.show();
        QVERIFY(QTest::qWaitForWindowExposed(&f.view));
        f.Click(0, 0);
        QCOMPARE(status.panes[1], QStringLiteral("Ligne 1, Colonne 1"));
        f.Click(1, 2);
        QCOMPARE(status.panes[1], QStringLiteral("Ligne 2, Colonne 3"));
        QCOMPARE(f.doc.GetGrid().Cursor().CurrentRow(), 1);
        QCOMPARE(f.doc.GetGrid().Cursor().CurrentColumn(), 2);
        // Below the last row there is no current cell.
        const QPoint below = f.Table().CellRect(1, 1).center() + QPoint(0, 100);
        QTest::mouseClick(f.Table().viewport(), Qt::LeftButton, {}, below);
        QCOMPARE(f.doc.GetGrid().Cursor().CurrentRow(), -1);
        QCOMPARE(status.panes[1], QString());
    }

    void aReadListForgetsACurrentCellItDoesNotHave()
    {
        Fixture f(prompt, status);
        f.view.OnInitialUpdate();
        Fill(f.doc.GetGrid(), {"a", "b"}, {{"1", "2"}, {"3", "4"}});
        f.doc.GetGrid().Cursor().SetCurrent(1, 1);
        f.view.ShowCurrentCell();
        prompt.openPaths = {files.Write("court.txt", "seule\r\nx\r\n")};
        QVERIFY(f.doc.OnImport(FileFormat::Text));
        QCOMPARE(f.doc.GetGrid().Cursor().CurrentRow(), -1);
        QCOMPARE(status.panes[1], QString());
    }

    // The frame is part of the grid's painting, so any repaint draws it.
    void theCurrentCellIsFramedInBlack()
    {
        Fixture f(prompt, status);
        f.view.OnInitialUpdate();
        f.doc.GetGrid().InsertItem(0, "cadre");
        f.view.show();
        QVERIFY(QTest::qWaitForWindowExposed(&f.view));
        const QRect cell = f.Table().CellRect(0, 1);
        const auto pixel = [&](QPoint at) {
            return f.Table().viewport()->grab().toImage().pixelColor(at);
        };
        QVERIFY(pixel(cell.topLeft()) != QColor(Qt::black));
        f.Click(0, 1);
        QCOMPARE(pixel(cell.topLeft()), QColor(Qt::black));
        QCOMPARE(pixel(cell.bottomRight()), QColor(Qt::black));
        QVERIFY(pixel(cell.center()) != QColor(Qt::black));
    }

    // A list whose columns are all gone offers its column menu on the empty
    // header and on the empty grid, renaming and deleting greyed, and an
    // insertion gives it a column again.
    void aListWithoutColumnsCanGetOneBack()
    {
        Fixture f(prompt, status);
        f.doc.m_bLoaded = true;
        f.view.OnInitialUpdate();
        QSignalSpy menus(&f.view.Menus(), &CViewMenus::columnMenuRequested);
        QTest::mouseClick(f.Table().horizontalHeader()->viewport(), Qt::RightButton, {},
                          QPoint(40, 5));
        QCOMPARE(menus.count(), 1);
        QVERIFY(!f.view.Commands().HasMenuColumn());
        QContextMenuEvent onGrid(QContextMenuEvent::Mouse, QPoint(40, 40),
                                 f.Table().viewport()->mapToGlobal(QPoint(40, 40)));
        QApplication::sendEvent(f.Table().viewport(), &onGrid);
        QCOMPARE(menus.count(), 2);
        f.view.Commands().OnColumnInsertAfter();
        QCOMPARE(Shown(f.doc.GetGrid()), QStringLiteral("Nouvelle colonne"));
        QVERIFY(f.doc.IsModified());
    }

    // A width the user gives is a step that marks the list, and a drag is
    // one step however many sizes it passes through.
    void columnWidthsFollowTheGridAndTheUser()
    {
        Fixture f(prompt, status);
        f.view.OnInitialUpdate();
        QHeaderView* header = f.Table().horizontalHeader();
        CGridListCtrl& grid = f.doc.GetGrid();
        grid.SetColumnWidth(1, 150);
        QCOMPARE(header->sectionSize(1), 150);
        header->resizeSection(2, 60);
        QCOMPARE(grid.GetColumnWidth(2), 60);
        QVERIFY(f.doc.IsModified());
        QCOMPARE(f.doc.History().UndoName(), QStringLiteral("Modifier la largeur de colonne"));
        QVERIFY(f.doc.Undo());
        QCOMPARE(header->sectionSize(2), 100);
        QVERIFY(!f.doc.IsModified());

        // A button held on the header, as while an edge is dragged.
        QWidget* sections = header->viewport();
        QTest::mousePress(sections, Qt::RightButton, {}, QPoint(5, 5));
        header->resizeSection(0, 70);
        header->resizeSection(0, 90);
        QCOMPARE(grid.GetColumnWidth(0), 100);
        QTest::mouseRelease(sections, Qt::RightButton, {}, QPoint(5, 5));
        QTRY_COMPARE(grid.GetColumnWidth(0), 90);
        QCOMPARE(f.doc.History().StepCount(), std::size_t{1});
    }

    // Dropping a dragged header moves the columns and their cells for good.
    void aHeaderDragReordersTheColumns()
    {
        Fixture f(prompt, status);
        f.doc.m_bLoaded = true;
        f.view.OnInitialUpdate();
        Fill(f.doc.GetGrid(), {"one", "two", "three"}, {{"1", "2", "3"}, {"x"}});
        f.doc.GetGrid().SetColumnWidth(0, 50);
        QHeaderView* header = f.Table().horizontalHeader();
        header->moveSection(0, 2);
        QTRY_COMPARE(Shown(f.doc.GetGrid()), QStringLiteral("two|three|one\n2|3|1\n||x"));
        QCOMPARE(f.doc.GetGrid().GetColumnWidth(2), 50);
        QCOMPARE(header->sectionSize(2), 50);
        for (int shown = 0; shown < 3; ++shown)
            QCOMPARE(header->logicalIndex(shown), shown);
        QCOMPARE(f.doc.GetGrid().GetColumnOrderArray(), (std::vector<int>{0, 1, 2}));
        QVERIFY(f.doc.IsModified());
    }
};

QTEST_MAIN(TablewrightViewTest)
#include "TablewrightViewTest.moc"
