#include "view/GridTableModel.h"
#include "grid/CellText.h"
#include "grid/GridListCtrl.h"

#include "GuiTestSupport.h"

#include <QAbstractItemModelTester>
#include <QSignalSpy>
#include <QTest>

class GridTableModelTest : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    // Qt's own checker watches every change the grid reports.
    void everyGridChangeKeepsTheModelConsistent()
    {
        CGridListCtrl grid;
        CGridTableModel model(grid);
        QAbstractItemModelTester tester(&model,
                                        QAbstractItemModelTester::FailureReportingMode::QtTest);
        grid.InsertColumn(0, "nom");
        grid.InsertColumn(1, "ville");
        grid.InsertItem(0, "Ada");
        grid.SetItemText(0, 1, "Londres");
        grid.InsertItem(0, "Blaise");
        grid.InsertColumn(1, "âge");
        grid.MoveRow(0, 2);
        grid.MoveRow(1, 0);
        grid.SetColumnOrderArray({2, 0, 1});
        grid.ApplyColumnOrder();
        grid.Cursor().SetCurrentRow(1);
        grid.DeleteItem(0);
        grid.DeleteColumn(0);
        QCOMPARE(model.rowCount(), 1);
        QCOMPARE(model.columnCount(), 2);
        QCOMPARE(model.data(model.index(0, 1), Qt::DisplayRole).toString(), QStringLiteral(""));
        QCOMPARE(model.headerData(0, Qt::Horizontal, Qt::DisplayRole).toString(),
                 QStringLiteral("nom"));
        QCOMPARE(model.headerData(0, Qt::Vertical, Qt::DisplayRole).toInt(), 1);
        grid.SetRedraw(false);
        grid.DeleteAllItems();
        while (grid.DeleteColumn(0)) {
        }
        grid.SetRedraw(true);
        QCOMPARE(model.rowCount(), 0);
    }

    // Under a filter the model's rows are the rows shown, numbered as the
    // list numbers them, and every change keeps it consistent.
    void aFilterShowsItsRowsWithTheirNumbers()
    {
        CGridListCtrl grid;
        CGridTableModel model(grid);
        QAbstractItemModelTester tester(&model,
                                        QAbstractItemModelTester::FailureReportingMode::QtTest);
        Fill(grid, {"nom"}, {{"a"}, {"b"}, {"c"}, {"d"}});
        grid.FilterRows({1, 3});
        const auto shown = [&] {
            QStringList rows;
            for (int row = 0; row < model.rowCount(); ++row)
                rows << model.headerData(row, Qt::Vertical, Qt::DisplayRole).toString() + '=' +
                            model.data(model.index(row, 0), Qt::DisplayRole).toString();
            return rows.join(' ');
        };
        QCOMPARE(shown(), QStringLiteral("2=b 4=d"));
        QSignalSpy changed(&model, &QAbstractItemModel::dataChanged);
        grid.SetItemText(2, 0, "caché");
        QCOMPARE(changed.count(), 0);
        grid.SetItemText(3, 0, "D");
        QCOMPARE(changed.count(), 1);
        grid.InsertItem(0, "neuf");
        grid.MoveRow(4, 0);
        grid.DeleteItem(2);
        QCOMPARE(shown(), QStringLiteral("1=D 2=neuf 3=b"));
        grid.ShowAllRows();
        QCOMPARE(model.rowCount(), 4);
    }

    // A million-row load is one reset for the views, not a signal per row.
    void aSuspendedBatchIsOneReset()
    {
        CGridListCtrl grid;
        CGridTableModel model(grid);
        QSignalSpy inserted(&model, &QAbstractItemModel::rowsInserted);
        QSignalSpy resets(&model, &QAbstractItemModel::modelReset);
        int rowsSeenDuringBatch = -1;
        connect(&model, &QAbstractItemModel::modelAboutToBeReset, this,
                [&] { rowsSeenDuringBatch = model.rowCount(); });
        grid.InsertColumn(0, "a");
        grid.SetRedraw(false);
        for (int i = 0; i < 1000; ++i)
            grid.InsertItem(i, "x");
        // While the batch runs, the views keep the shape they had.
        QCOMPARE(model.rowCount(), 0);
        QCOMPARE(model.data(model.index(0, 0), Qt::DisplayRole), QVariant());
        grid.SetRedraw(true);
        QCOMPARE(inserted.size(), 0);
        QCOMPARE(resets.size(), 1);
        QCOMPARE(rowsSeenDuringBatch, 0);
        QCOMPARE(model.rowCount(), 1000);
        QCOMPARE(model.data(model.index(999, 0), Qt::DisplayRole).toString(), QStringLiteral("x"));
    }

    // Moves reach the views as moves, never as a reset: what a view holds
    // (its selection, an open editor's cell) follows the row or column.
    void movesFollowWhatTheViewsHold()
    {
        CGridListCtrl grid;
        CGridTableModel model(grid);
        Fill(grid, {"a", "b", "c"}, {{"0"}, {"1"}, {"2"}});
        QSignalSpy resets(&model, &QAbstractItemModel::modelReset);
        QSignalSpy moved(&model, &QAbstractItemModel::rowsMoved);
        const QPersistentModelIndex held(model.index(0, 2));
        grid.MoveRow(0, 3);
        QCOMPARE(moved.size(), 1);
        QCOMPARE(held.row(), 2);
        grid.SetColumnOrderArray({2, 0, 1});
        grid.ApplyColumnOrder();
        QCOMPARE(held.column(), 0);
        QCOMPARE(resets.size(), 0);
    }

    void theGridsReportsReachTheView()
    {
        CGridListCtrl grid;
        CGridTableModel model(grid);
        Fill(grid, {"a", "b"}, {{"1", "2"}, {"3", "4"}});
        QSignalSpy cells(&model, &QAbstractItemModel::dataChanged);
        QSignalSpy headers(&model, &CGridTableModel::columnHeadersChanged);
        QSignalSpy moves(&model, &CGridTableModel::cursorChanged);
        QSignalSpy scrolls(&model, &CGridTableModel::ensureVisibleRequested);
        grid.SetItemText(1, 1, "quatre");
        grid.SetColumnWidth(0, 140);
        grid.Cursor().SetCurrentRow(1);
        grid.EnsureVisible(1, false);
        QCOMPARE(cells.size(), 1);
        QCOMPARE(cells[0][0].toModelIndex(), model.index(1, 1));
        QCOMPARE(headers.size(), 1);
        QCOMPARE(moves.size(), 1);
        QCOMPARE(scrolls.size(), 1);
        QCOMPARE(scrolls[0][0].toInt(), 1);
    }

    // A huge cell is painted and measured from its first characters only,
    // never cut inside a character; the tool tip shows less still.
    void aHugeCellShowsItsFirstCharacters()
    {
        CGridListCtrl grid;
        CGridTableModel model(grid);
        const QString huge = QStringLiteral("é").repeated(1'000'000);
        Fill(grid, {"a"}, {{huge.toStdString()}, {"court"}});
        const QString shown = model.data(model.index(0, 0), Qt::DisplayRole).toString();
        QCOMPARE(shown, huge.left(CellText::kShownCharacters));
        const QString tip = model.data(model.index(0, 0), Qt::ToolTipRole).toString();
        QCOMPARE(tip, huge.left(500) + QChar(0x2026));
        QCOMPARE(model.data(model.index(1, 0), Qt::ToolTipRole), QVariant());
        QCOMPARE(grid.GetItemText(0, 0).size(), std::size_t{2'000'000});
    }
};

QTEST_MAIN(GridTableModelTest)
#include "GridTableModelTest.moc"
