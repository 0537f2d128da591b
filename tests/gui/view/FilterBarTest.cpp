#include "view/FilterBar.h"
#include "edit/RangeCommands.h"
#include "view/FilterController.h"

#include "EditingFixture.h"

#include <QComboBox>
#include <QLineEdit>
#include <QSignalSpy>

namespace {

// The list numbers of the rows the grid shows, joined by spaces.
QString ShownNumbers(CGridTableView& table)
{
    QStringList numbers;
    for (int row = 0; row < table.model()->rowCount(); ++row)
        numbers << table.model()->headerData(row, Qt::Vertical, Qt::DisplayRole).toString();
    return numbers.join(' ');
}

QLineEdit& FilterText(Editing& e)
{
    return *e.view->FilterBar()->findChild<QLineEdit*>(QStringLiteral("filterEdit"));
}

} // namespace

class FilterBarTest : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    // The bar takes the keyboard, rows hide as the user types, Down goes
    // to the first row shown and Escape shows every row again. The filter
    // is a view: no step, nothing to save.
    void typingFiltersAndEscapeShowsAll()
    {
        Editing e;
        e.view->Filter().OnEditFilter();
        QVERIFY(e.view->Filter().IsFilterBarOpen());
        QVERIFY(FilterText(e).hasFocus());
        QTest::keyClicks(&FilterText(e), QStringLiteral("2"));
        QCOMPARE(ShownNumbers(e.Table()), QStringLiteral("3"));
        QCOMPARE(e.status.prompt, QStringLiteral("1 ligne sur 3"));
        QTest::keyClick(&FilterText(e), Qt::Key_Backspace);
        QTest::keyClicks(&FilterText(e), QStringLiteral("A"));
        QCOMPARE(ShownNumbers(e.Table()), QStringLiteral("1 2 3"));
        QTest::keyClick(&FilterText(e), Qt::Key_Backspace);
        QTest::keyClicks(&FilterText(e), QStringLiteral("1"));
        QTest::keyClick(&FilterText(e), Qt::Key_Down);
        QVERIFY(e.Table().hasFocus());
        QCOMPARE(e.Grid().Cursor().CurrentRow(), 1);
        QVERIFY(!e.doc.IsModified());
        QVERIFY(!e.doc.History().CanUndo());

        for (const char* part : {"filterEdit", "filterColumn"}) {
            e.view->FilterBar()->Open();
            QTest::keyClicks(&FilterText(e), QStringLiteral("1"));
            QCOMPARE(ShownNumbers(e.Table()), QStringLiteral("2"));
            auto* widget = e.view->FilterBar()->findChild<QWidget*>(QLatin1String(part));
            QTest::keyClick(widget, Qt::Key_Escape);
            QVERIFY2(!e.view->Filter().IsFilterBarOpen(), part);
            QCOMPARE(ShownNumbers(e.Table()), QStringLiteral("1 2 3"));
            QCOMPARE(e.status.prompt, QStringLiteral(" "));
        }
    }

    // "Filtrer sur cette valeur" keeps the rows whose cell in the column is
    // the current cell's text, case respected; an edited row that stops
    // matching stays shown, and a new list drops the filter.
    void filterOnTheCurrentValue()
    {
        Editing e;
        e.Grid().SetItemText(0, 1, "b2");
        e.Grid().SetItemText(1, 1, "B2");
        e.Grid().Cursor().SetCurrent(2, 1);
        e.view->Filter().OnFilterOnValue();
        QCOMPARE(ShownNumbers(e.Table()), QStringLiteral("1 3"));
        QCOMPARE(e.view->FilterBar()->findChild<QComboBox*>()->currentText(), QStringLiteral("B"));
        e.DoubleClick(0, 1);
        e.Key(Qt::Key_A);
        e.Key(Qt::Key_Return);
        QCOMPARE(ShownNumbers(e.Table()), QStringLiteral("1 3"));
        e.doc.OnNewDocument();
        QVERIFY(!e.view->Filter().IsFilterBarOpen());
        QVERIFY(!e.Grid().Shown().IsFiltering());
    }

    // Under a filter the grid's k-th row is the k-th row shown: a click
    // lands on the list row shown there, and a change of a list row repaints
    // the row that shows it.
    void underAFilterTheGridMapsItsRowsToTheList()
    {
        Editing e;
        e.Grid().FilterRows({0, 2});
        const QPoint second = e.Center(2, 1);
        QCOMPARE(e.Table().rowAt(second.y()), 1);
        QTest::mouseClick(e.Table().viewport(), Qt::LeftButton, {}, second);
        QCOMPARE(e.Grid().Cursor().Current(), (GridCell{2, 1}));

        QSignalSpy repaints(e.Table().model(), &QAbstractItemModel::dataChanged);
        e.Grid().SetItemText(2, 0, "x");
        e.Grid().Cursor().SelectRange({1, 1, 2, 1});
        GridCommands::FillRange(e.doc, "z", GridCommands::Filling::Edit);
        QCOMPARE(e.Cell(2, 1), QStringLiteral("z"));
        QCOMPARE(e.Cell(1, 1), QStringLiteral("b1"));
        QCOMPARE(repaints.size(), 2);
        for (const QList<QVariant>& repaint : repaints) {
            QCOMPARE(repaint[0].toModelIndex().row(), 1);
            QCOMPARE(repaint[1].toModelIndex().row(), 1);
        }
    }
};

QTEST_MAIN(FilterBarTest)
#include "FilterBarTest.moc"
