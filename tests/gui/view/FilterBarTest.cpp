#include "view/FilterBar.h"
#include "view/FilterController.h"

#include "EditingFixture.h"

#include <QComboBox>
#include <QLineEdit>

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

        e.view->Filter().OnEditFilter();
        QTest::keyClick(&FilterText(e), Qt::Key_Escape);
        QVERIFY(!e.view->Filter().IsFilterBarOpen());
        QCOMPARE(ShownNumbers(e.Table()), QStringLiteral("1 2 3"));
        QCOMPARE(e.status.prompt, QStringLiteral(" "));
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
};

QTEST_MAIN(FilterBarTest)
#include "FilterBarTest.moc"
