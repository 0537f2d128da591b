#include "app/MainFrame.h"
#include "app/TablewrightApp.h"
#include "dialogs/FindDlg.h"
#include "document/TablewrightDoc.h"
#include "platform/Shell.h"
#include "view/CellEditing.h"
#include "view/CellEditor.h"
#include "view/GridTableView.h"
#include "view/TablewrightView.h"
#include "view/ViewMenus.h"

#include "AppSession.h"
#include "GuiTestSupport.h"

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QClipboard>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QProgressBar>
#include <QPushButton>
#include <QTest>

#include <memory>

namespace {

// Types into a dialog's edit and confirms it with Enter.
void Confirm(QWidget& dialog, const char* edit, const QString& text)
{
    auto* field = dialog.findChild<QLineEdit*>(QString::fromLatin1(edit));
    field->clear();
    QTest::keyClicks(field, text);
    QTest::keyClick(field, Qt::Key_Return);
}

// The entries of a menu as they read, "-" for a separator.
QStringList Entries(const QWidget& menu)
{
    QStringList entries;
    for (const QAction* action : menu.actions()) {
        if (action->isVisible())
            entries << (action->isSeparator() ? QStringLiteral("-") : action->text());
    }
    return entries;
}

class RecordingShell : public IShell
{
public:
    QList<QUrl>& opened;
    QStringList& started;
    RecordingShell(QList<QUrl>& o, QStringList& s) : opened(o), started(s) {}
    bool OpenUrl(const QUrl& url) override
    {
        opened << url;
        return true;
    }
    bool StartDetached(const QString& program, const QStringList&) override
    {
        started << program;
        return true;
    }
};

} // namespace

class SearchAppTest : public QObject
{
    Q_OBJECT

private:
    std::unique_ptr<AppSession> s;
    QList<QUrl> opened;
    QStringList started;

    void Start()
    {
        QVERIFY(s->StartWith("courses.tbw",
                             "V\t1.6\nH\t\"Nom\"\t\"Lien\"\t\n"
                             "R\t\"pain\"\t\"\"\t\nR\t\"lait\"\t\"HTTP://ferme.example\"\t\n"
                             "R\t\"sel\"\t\"/home\"\t\nR\t\"Pain complet\"\t\"\"\t\n"));
        s->View().Menus().SetShell(std::make_unique<RecordingShell>(opened, started));
    }
    QString Focus()
    {
        return QStringLiteral("cur %1,%2")
            .arg(s->Grid().Cursor().CurrentRow())
            .arg(s->Grid().Cursor().CurrentColumn());
    }
    void RightClickCell(int row, int column)
    {
        CGridTableView* table = s->View().GridWidget();
        const QPoint at = table->CellRect(row, column).center();
        QContextMenuEvent event(QContextMenuEvent::Mouse, at, table->viewport()->mapToGlobal(at));
        QApplication::sendEvent(table->viewport(), &event);
    }

private Q_SLOTS:
    void init()
    {
        s = std::make_unique<AppSession>();
        opened.clear();
        started.clear();
    }
    void cleanup() { s.reset(); }

    // Ctrl+F asks, finds from the top and selects the row; F3 goes on
    // after it and wraps; F3 needs a confirmed, non-empty text.
    void findAndFindNext()
    {
        Start();
        QVERIFY(!s->Action("ID_EDIT_FIND_NEXT").isEnabled());
        WhenShown([](QWidget& dialog) {
            QTest::keyClicks(dialog.findChild<QLineEdit*>("findEdit"), QStringLiteral("x"));
            QTest::keyClick(&dialog, Qt::Key_Escape);
        });
        s->Key(Qt::Key_F, Qt::ControlModifier);
        QVERIFY(!s->Action("ID_EDIT_FIND_NEXT").isEnabled());

        s->Grid().Cursor().SetCurrent(2, s->Grid().Cursor().CurrentColumn());
        WhenShown([](QWidget& dialog) { Confirm(dialog, "findEdit", QStringLiteral("PAIN")); });
        s->Key(Qt::Key_F, Qt::ControlModifier);
        QCOMPARE(Focus(), QStringLiteral("cur 0,0"));
        QCOMPARE(s->Frame().StatusPaneText(1), QStringLiteral("Ligne 1, Colonne 1"));
        QVERIFY(s->Action("ID_EDIT_FIND_NEXT").isEnabled());

        s->Key(Qt::Key_F3);
        QCOMPARE(Focus(), QStringLiteral("cur 3,0"));
        s->Key(Qt::Key_F3);
        QCOMPARE(Focus(), QStringLiteral("cur 0,0"));
        QVERIFY(s->prompt.messages.empty());
        QVERIFY(!s->Frame().isWindowModified());

        // A confirmed empty text greys find-next again.
        WhenShown([](QWidget& dialog) { Confirm(dialog, "findEdit", QString()); });
        s->Action("ID_EDIT_FIND").trigger();
        QVERIFY(!s->Action("ID_EDIT_FIND_NEXT").isEnabled());
    }

    void findingNothingTellsAndMovesNothing()
    {
        Start();
        s->Grid().Cursor().SetCurrent(1, 1);
        WhenShown([](QWidget& dialog) { Confirm(dialog, "findEdit", QStringLiteral("beurre")); });
        s->Action("ID_TOOLBAR_FIND").trigger();
        QCOMPARE(s->prompt.messages.size(), std::size_t{1});
        QCOMPARE(s->prompt.messages[0].text,
                 QStringLiteral("De la corde de recherche n'a pas été trouvée"));
        QCOMPARE(Focus(), QStringLiteral("cur 1,1"));
        QVERIFY(!QApplication::overrideCursor());
    }

    // Ctrl+H replaces every spelling, as one step that Ctrl+Z undoes.
    void replaceAllAndItsUndo()
    {
        Start();
        const QString saved = Shown(s->Grid());
        WhenShown([](QWidget& dialog) {
            QTest::keyClick(dialog.findChild<QCheckBox*>("matchCase"), Qt::Key_Space);
            dialog.findChild<QLineEdit*>("replaceEdit")->setText(QStringLiteral("Riz"));
            Confirm(dialog, "findEdit", QStringLiteral("pain"));
        });
        s->Key(Qt::Key_H, Qt::ControlModifier);
        QCOMPARE(s->Cell(0, 0), QStringLiteral("Riz"));
        QCOMPARE(s->Cell(3, 0), QStringLiteral("Riz complet"));
        QVERIFY(s->Frame().isWindowModified());
        QCOMPARE(s->Frame().ProgressBar()->value(), 0);
        QCOMPARE(s->Action("ID_EDIT_UNDO").text(),
                 QStringLiteral("Annuler : Remplacer tout\tCtrl+Z"));
        s->Key(Qt::Key_Z, Qt::ControlModifier);
        QCOMPARE(Shown(s->Grid()), saved);
        QVERIFY(!s->Frame().isWindowModified());
    }

    // With "Expression régulière" ticked, a pattern that does not compile
    // is told under the text and cannot be confirmed; a good one replaces
    // by its groups.
    void replaceByPattern()
    {
        Start();
        QString warning;
        bool confirmable = true;
        WhenShown([&](QWidget& dialog) {
            QTest::keyClick(dialog.findChild<QCheckBox*>("regex"), Qt::Key_Space);
            auto* find = dialog.findChild<QLineEdit*>("findEdit");
            QTest::keyClicks(find, QStringLiteral("(p"));
            warning = dialog.findChild<QLabel*>("patternWarning")->text();
            confirmable = dialog.findChild<QPushButton*>("confirmButton")->isEnabled();
            QTest::keyClick(find, Qt::Key_Return);
            dialog.findChild<QLineEdit*>("replaceEdit")->setText(QStringLiteral("[\\1]"));
            Confirm(dialog, "findEdit", QStringLiteral("(p)ain"));
        });
        s->Key(Qt::Key_H, Qt::ControlModifier);
        QCOMPARE(warning,
                 QStringLiteral("Expression régulière incorrecte : parenthèse non fermée"));
        QVERIFY(!confirmable);
        QVERIFY(s->prompt.messages.empty());
        QCOMPARE(s->Cell(0, 0), QStringLiteral("[p]"));
        QCOMPARE(s->Cell(3, 0), QStringLiteral("Pain complet"));
    }

    // With the editor closed the commands work on the stored cell; a cut
    // and a paste are steps of their own.
    void clipboardWithTheEditorClosed()
    {
        Start();
        QClipboard* clipboard = QGuiApplication::clipboard();
        s->Grid().Cursor().SetCurrent(1, 1);
        s->Key(Qt::Key_C, Qt::ControlModifier);
        QCOMPARE(clipboard->text(), QStringLiteral("HTTP://ferme.example"));
        QVERIFY(!s->Frame().isWindowModified());

        s->Grid().Cursor().SetCurrent(0, 0);
        s->Key(Qt::Key_X, Qt::ControlModifier);
        QCOMPARE(clipboard->text(), QStringLiteral("pain"));
        QCOMPARE(s->Cell(0, 0), QString());
        QVERIFY(s->Frame().isWindowModified());

        clipboard->setText(QStringLiteral("deux lignes et ") + QString(300, QLatin1Char('z')));
        s->Grid().Cursor().SetCurrent(2, s->Grid().Cursor().CurrentColumn());
        s->Key(Qt::Key_V, Qt::ControlModifier);
        QCOMPARE(s->Cell(2, 0), QStringLiteral("deux lignes et ") + QString(300, QLatin1Char('z')));
        QCOMPARE(s->Action("ID_EDIT_UNDO").text(),
                 QStringLiteral("Annuler : Coller dans la cellule\tCtrl+Z"));
        s->Key(Qt::Key_Z, Qt::ControlModifier);
        QCOMPARE(s->Cell(2, 0), QStringLiteral("sel"));
        s->Key(Qt::Key_Z, Qt::ControlModifier);
        QCOMPARE(s->Cell(0, 0), QStringLiteral("pain"));
    }

    // With the editor open, its keys go to the window's commands: copy
    // shows the stored text again, paste replaces what was typed.
    void clipboardWithTheEditorOpen()
    {
        Start();
        QClipboard* clipboard = QGuiApplication::clipboard();
        s->Grid().Cursor().SetCurrent(2, 0);
        s->View().Editing().BeginCellEdit(2, 0);
        CCellEditor* editor = s->View().Editing().Editor();
        editor->setText(QStringLiteral("poivre"));
        QTest::keyClick(editor->focusProxy(), Qt::Key_C, Qt::ControlModifier);
        QVERIFY(s->View().Editing().IsEditing());
        QCOMPARE(editor->text(), QStringLiteral("sel"));
        QCOMPARE(clipboard->text(), QStringLiteral("sel"));

        clipboard->setText(QStringLiteral("moutarde"));
        editor->setText(QStringLiteral("poivre"));
        QTest::keyClick(editor->focusProxy(), Qt::Key_V, Qt::ControlModifier);
        QVERIFY(s->View().Editing().IsEditing());
        QCOMPARE(editor->text(), QStringLiteral("moutarde"));
        QCOMPARE(s->Cell(2, 0), QStringLiteral("moutarde"));

        QTest::keyClick(editor->focusProxy(), Qt::Key_X, Qt::ControlModifier);
        QCOMPARE(editor->text(), QString());
        QCOMPARE(s->Cell(2, 0), QString());
        QCOMPARE(clipboard->text(), QStringLiteral("moutarde"));
        QTest::keyClick(editor->focusProxy(), Qt::Key_Return);
        QCOMPARE(s->Cell(2, 0), QString());
    }

    // The row menu: thirteen entries on a plain cell, the launch item and a
    // separator on top for a link, which opens it.
    void rowMenuAndItsLaunchItem()
    {
        Start();
        QStringList entries;
        WhenShown([&](QWidget& menu) {
            entries = Entries(menu);
            QTest::keyClick(&menu, Qt::Key_Escape);
        });
        RightClickCell(0, 1);
        const QStringList rowEntries{"Copier\tCtrl+C",
                                     "Couper\tCtrl+X",
                                     "Coller\tCtrl+V",
                                     "-",
                                     "Relevez ligne",
                                     "Abaissez ligne",
                                     "-",
                                     "Insérer une ligne au-dessus",
                                     "Insérer une ligne au-dessous",
                                     "-",
                                     "Supprimer la ligne",
                                     "-",
                                     "Filtrer sur cette valeur"};
        QCOMPARE(entries, rowEntries);
        QCOMPARE(Focus(), QStringLiteral("cur 0,1"));

        WhenShown([&](QWidget& menu) {
            entries = Entries(menu);
            QTest::keyClick(&menu, Qt::Key_Down);
            QTest::keyClick(&menu, Qt::Key_Return);
        });
        RightClickCell(1, 1);
        QCOMPARE(entries, (QStringList{"Ouvrir le lien", "-"} + rowEntries));
        QCOMPARE(opened, QList<QUrl>{QUrl(QStringLiteral("HTTP://ferme.example"))});

        WhenShown([&](QWidget& menu) {
            entries = Entries(menu);
            QTest::keyClick(&menu, Qt::Key_Escape);
        });
        RightClickCell(2, 1);
        QCOMPARE(entries.value(0), QStringLiteral("Ouvrir le dossier"));
    }

    // A click on a header sorts, a second click turns the order round, and
    // each sort is a step of its own.
    void headerClicksSortAndUndo()
    {
        Start();
        const QString saved = Shown(s->Grid());
        QHeaderView* header = s->View().GridWidget()->horizontalHeader();
        const auto clickHeader = [header](int column) {
            QTest::mouseClick(
                header->viewport(), Qt::LeftButton, {},
                QPoint(header->sectionViewportPosition(column) + 5, header->height() / 2));
        };
        s->View().Editing().BeginCellEdit(2, 0);
        s->View().Editing().Editor()->setText(QStringLiteral("miel"));
        clickHeader(0);
        // The empty row kept for typing stays at the end.
        const QString ascending = QStringLiteral(
            "Nom|Lien\nlait|HTTP://ferme.example\nmiel|/home\npain|\nPain complet|\n|");
        QCOMPARE(Shown(s->Grid()), ascending);
        QCOMPARE(s->Doc().HeaderSort().column, 0);
        QCOMPARE(s->Doc().HeaderSort().ascending, true);
        QVERIFY(s->Frame().isWindowModified());
        QCOMPARE(s->Action("ID_EDIT_UNDO").text(),
                 QStringLiteral("Annuler : Trier les lignes\tCtrl+Z"));

        clickHeader(0);
        QCOMPARE(s->Doc().HeaderSort().ascending, false);
        QCOMPARE(Shown(s->Grid()), QStringLiteral("Nom|Lien\nPain complet|\npain|\nmiel|/home\n"
                                                  "lait|HTTP://ferme.example\n|"));
        s->Key(Qt::Key_Z, Qt::ControlModifier);
        QCOMPARE(Shown(s->Grid()), ascending);
        s->Key(Qt::Key_Z, Qt::ControlModifier);
        s->Key(Qt::Key_Z, Qt::ControlModifier);
        QCOMPARE(Shown(s->Grid()), saved);

        // Another column starts again ascending.
        clickHeader(1);
        QCOMPARE(s->Doc().HeaderSort().column, 1);
        QCOMPARE(s->Doc().HeaderSort().ascending, true);
    }

    // A right-click stores the open edit first, even where no menu opens.
    void rightClickCommitsTheEditor()
    {
        Start();
        s->View().Editing().BeginCellEdit(0, 0);
        s->View().Editing().Editor()->setText(QStringLiteral("brioche"));
        QString cellWhenShown;
        WhenShown([&](QWidget& menu) {
            cellWhenShown = s->Cell(0, 0);
            QTest::keyClick(&menu, Qt::Key_Escape);
        });
        RightClickCell(2, 0);
        QCOMPARE(cellWhenShown, QStringLiteral("brioche"));
        QVERIFY(!s->View().Editing().IsEditing());

        s->View().Editing().BeginCellEdit(1, 0);
        s->View().Editing().Editor()->setText(QStringLiteral("crème"));
        CGridTableView* table = s->View().GridWidget();
        const QPoint below(5, table->viewport()->height() - 2);
        QContextMenuEvent event(QContextMenuEvent::Mouse, below,
                                table->viewport()->mapToGlobal(below));
        QApplication::sendEvent(table->viewport(), &event);
        QCOMPARE(s->Cell(1, 0), QStringLiteral("crème"));
        QVERIFY(!QApplication::activePopupWidget());
    }
};

QTEST_MAIN(SearchAppTest)
#include "SearchAppTest.moc"
