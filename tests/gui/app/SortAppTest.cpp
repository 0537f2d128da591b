#include "app/MainFrame.h"
#include "document/TablewrightDoc.h"
#include "grid/GridListCtrl.h"

#include "AppSession.h"
#include "GuiTestSupport.h"

#include <QAction>
#include <QComboBox>
#include <QDialog>
#include <QSignalSpy>
#include <QTest>

#include <memory>

// « Trier… », « Supprimer les doublons » and the range's numbers in the
// status bar, as a user reaches them from the window.
class SortAppTest : public QObject
{
    Q_OBJECT

private:
    std::unique_ptr<AppSession> s;

    void Start()
    {
        QVERIFY(s->StartWith(
            "notes.tbw", "V\t1.6\nH\t\"Nom\"\t\"Note\"\t\nR\t\"Éric\"\t\"10,5\"\t\n"
                         "R\t\"andré\"\t\"9\"\t\nR\t\"Zoé\"\t\"12\"\t\nR\t\"andré\"\t\"9\"\t\n"));
    }

    static void Choose(QWidget& dialog, const char* combo, int index)
    {
        auto* box = dialog.findChild<QComboBox*>(QString::fromLatin1(combo));
        QVERIFY(box);
        box->setCurrentIndex(index);
    }

private Q_SLOTS:
    void init() { s = std::make_unique<AppSession>(); }
    void cleanup() { s.reset(); }

    // The dialog's first key is the current column; the keys chosen sort
    // the list as one step.
    void theSortDialogSortsByItsKeys()
    {
        Start();
        s->Grid().Cursor().SetCurrent(0, 1);
        int firstKey = -1;
        WhenShown([&](QWidget& dialog) {
            firstKey = dialog.findChild<QComboBox*>(QStringLiteral("key0Column"))->currentIndex();
            Choose(dialog, "key0Direction", 1);
            Choose(dialog, "key0Order", 1);
            Choose(dialog, "key1Column", 1);
            static_cast<QDialog&>(dialog).accept();
        });
        s->Action("ID_EDIT_SORT").trigger();
        QCOMPARE(firstKey, 1);
        QCOMPARE(s->Frame().StatusPaneText(1), QStringLiteral("Ligne 1, Colonne 2"));
        QCOMPARE(Shown(s->Grid()),
                 QStringLiteral("Nom|Note\nZoé|12\nÉric|10,5\nandré|9\nandré|9\n|"));
        QCOMPARE(s->Action("ID_EDIT_UNDO").text(),
                 QStringLiteral("Annuler : Trier les lignes\tCtrl+Z"));
    }

    void duplicatesGoAndAreCounted()
    {
        Start();
        s->Action("ID_EDIT_REMOVE_DUPLICATES").trigger();
        QCOMPARE(Shown(s->Grid()), QStringLiteral("Nom|Note\nÉric|10,5\nandré|9\nZoé|12\n|"));
        QCOMPARE(s->prompt.messages.back().text, QStringLiteral("1 ligne en double supprimée"));
    }

    // Counted at once on a small range; a range of many cells once the
    // cursor rests on it.
    void theStatusBarCountsTheRangesNumbers()
    {
        Start();
        s->Grid().Cursor().SetCurrent(0, 1);
        s->Key(Qt::Key_Down, Qt::ShiftModifier);
        QCOMPARE(s->Frame().StatusPaneText(3),
                 QStringLiteral("Nombre : 2 · Somme : 19,5 · Moyenne : 9,8"));
        s->Key(Qt::Key_Up);
        QCOMPARE(s->Frame().StatusPaneText(3), QString());

        CGridListCtrl& grid = s->Grid();
        for (int row = 0; row < 150'000; ++row)
            grid.SetItemText(grid.InsertItem(grid.GetItemCount(), ""), 1, "1");
        s->Key(Qt::Key_A, Qt::ControlModifier);
        QCOMPARE(s->Frame().StatusPaneText(3), QString());
        QTRY_COMPARE(s->Frame().StatusPaneText(3),
                     QStringLiteral("Nombre : 150\u00A0004 · Somme : 150\u00A0040,5 · "
                                    "Moyenne : 1"));
    }
};

QTEST_MAIN(SortAppTest)
#include "SortAppTest.moc"
