#include "app/MainFrame.h"
#include "app/TablewrightApp.h"
#include "dialogs/EntryDlg.h"
#include "document/TablewrightDoc.h"
#include "view/CellEditing.h"
#include "view/CellEditor.h"
#include "view/GridTableView.h"
#include "view/ListCommands.h"
#include "view/TablewrightView.h"
#include "view/ViewMenus.h"

#include "AppSession.h"
#include "GuiTestSupport.h"

#include <QAction>
#include <QApplication>
#include <QHeaderView>
#include <QLineEdit>
#include <QMenu>
#include <QTest>

#include <memory>

namespace {

using Answer = IUserPrompt::Answer;

} // namespace

class EditingAppTest : public QObject
{
    Q_OBJECT

private:
    std::unique_ptr<AppSession> s;

    // The program with a saved list of three rows open, row 1 selected and
    // cell (1, 1) current.
    void Start()
    {
        QVERIFY(s->StartWith("courses.tbw", "V\t1.6\nH\t\"Nom\"\t\"Prix\"\t\nR\t\"pain\"\t\"1\"\t\n"
                                            "R\t\"lait\"\t\"2\"\t\nR\t\"sel\"\t\"3\"\t\n"));
        s->Grid().Cursor().SetCurrent(1, 1);
    }

private Q_SLOTS:
    void init() { s = std::make_unique<AppSession>(); }
    void cleanup() { s.reset(); }

    void everyChangeUndoesAndRedoes_data()
    {
        QTest::addColumn<QString>("step");
        QTest::addColumn<QString>("changed");
        QTest::newRow("edit") << "Modifier la cellule"
                              << "Nom|Prix\npain|1\nlait|neuf\nsel|3\n|";
        QTest::newRow("delete key") << "Effacer la cellule"
                                    << "Nom|Prix\npain|1\nlait|\nsel|3\n|";
        QTest::newRow("insert row") << "Insérer une ligne"
                                    << "Nom|Prix\npain|1\n|\nlait|2\nsel|3\n|";
        QTest::newRow("delete row") << "Supprimer la ligne"
                                    << "Nom|Prix\npain|1\nsel|3\n|";
        QTest::newRow("move row") << "Déplacer la ligne"
                                  << "Nom|Prix\npain|1\nsel|3\nlait|2\n|";
        QTest::newRow("insert column") << "Insérer une colonne"
                                       << "Nouvelle colonne|Nom|Prix\n|pain|1\n|lait|2\n|sel|3\n||";
        QTest::newRow("delete column") << "Supprimer la colonne"
                                       << "Prix\n1\n2\n3\n";
        QTest::newRow("drag column") << "Déplacer les colonnes"
                                     << "Prix|Nom\n1|pain\n2|lait\n3|sel\n|";
    }

    // Ctrl+Z takes the list back to the saved file, and the title's mark
    // with it; Ctrl+Y (or Ctrl+Shift+Z) brings the change back.
    void everyChangeUndoesAndRedoes()
    {
        QFETCH(QString, step);
        QFETCH(QString, changed);
        Start();
        const QString saved = Shown(s->Grid());
        const QString tag = QString::fromUtf8(QTest::currentDataTag());
        if (tag == "edit") {
            s->View().Editing().BeginCellEdit(1, 1);
            s->View().Editing().Editor()->setText(QStringLiteral("neuf"));
            QTest::keyClick(s->View().Editing().Editor()->focusProxy(), Qt::Key_Return);
        } else if (tag == "delete key") {
            s->Key(Qt::Key_Delete, {});
        } else if (tag == "insert row") {
            s->Action("ID_ROW_INSERT_ABOVE").trigger();
        } else if (tag == "delete row") {
            s->Action("ID_ROW_DELETE").trigger();
        } else if (tag == "move row") {
            s->Action("ID_ROW_MOVE_DOWN").trigger();
        } else if (tag == "insert column") {
            s->View().Menus().SetMenuColumn(0);
            s->Frame().UpdateCommands();
            s->Action("ID_COLUMN_INSERT_BEFORE").trigger();
        } else if (tag == "delete column") {
            s->View().Menus().SetMenuColumn(0);
            s->Frame().UpdateCommands();
            s->prompt.answers = {Answer::Yes};
            s->Action("ID_COLUMN_DELETE").trigger();
        } else {
            s->View().GridWidget()->horizontalHeader()->moveSection(0, 1);
            QTRY_COMPARE(Shown(s->Grid()), changed);
        }
        QCOMPARE(Shown(s->Grid()), changed);
        QVERIFY(s->Frame().isWindowModified());
        QCOMPARE(s->Action("ID_EDIT_UNDO").text(),
                 QStringLiteral("Annuler : %1\tCtrl+Z").arg(step));
        QVERIFY(!s->Action("ID_EDIT_REDO").isEnabled());

        s->Key(Qt::Key_Z, Qt::ControlModifier);
        QCOMPARE(Shown(s->Grid()), saved);
        QVERIFY(!s->Frame().isWindowModified());
        QVERIFY(!s->Action("ID_EDIT_UNDO").isEnabled());
        QCOMPARE(s->Action("ID_EDIT_REDO").text(),
                 QStringLiteral("Rétablir : %1\tCtrl+Y").arg(step));

        s->Key(Qt::Key_Y, Qt::ControlModifier);
        QCOMPARE(Shown(s->Grid()), changed);
        QVERIFY(s->Frame().isWindowModified());
        s->Key(Qt::Key_Z, Qt::ControlModifier);
        s->Key(Qt::Key_Z, Qt::ControlModifier | Qt::ShiftModifier);
        QCOMPARE(Shown(s->Grid()), changed);
    }

    // Saving moves the clean point; New forgets every step.
    void theCleanPointFollowsSaving()
    {
        Start();
        s->Action("ID_ROW_DELETE").trigger();
        s->Action("ID_FILE_SAVE").trigger();
        QVERIFY(!s->Frame().isWindowModified());
        s->Action("ID_EDIT_UNDO").trigger();
        QVERIFY(s->Frame().isWindowModified());
        s->Action("ID_EDIT_REDO").trigger();
        QVERIFY(!s->Frame().isWindowModified());
        s->Action("ID_FILE_NEW").trigger();
        QVERIFY(!s->Action("ID_EDIT_UNDO").isEnabled());
        QCOMPARE(s->Action("ID_EDIT_UNDO").text(), QStringLiteral("Annuler\tCtrl+Z"));
    }

    // Saving with the editor still open saves what was typed; New asks
    // about it rather than dropping it.
    void anOpenEditIsNeverLeftBehind()
    {
        Start();
        s->View().Editing().BeginCellEdit(0, 0);
        s->View().Editing().Editor()->setText(QStringLiteral("frais"));
        s->Action("ID_FILE_SAVE").trigger();
        QVERIFY(!s->View().Editing().IsEditing());
        QVERIFY(!s->Frame().isWindowModified());
        QVERIFY(TempFiles::Read(s->Doc().GetPathName()).find("\"frais\"") != std::string::npos);

        s->View().Editing().BeginCellEdit(1, 0);
        s->View().Editing().Editor()->setText(QStringLiteral("beurre"));
        s->prompt.answers = {Answer::Cancel};
        s->Action("ID_FILE_NEW").trigger();
        QCOMPARE(s->prompt.questions.back(), IUserPrompt::Question::SaveChanges);
        QCOMPARE(QString::fromStdString(s->Grid().GetItemText(1, 0)), QStringLiteral("beurre"));
    }

    // The row buttons follow the selection as it changes, menu or not.
    void rowButtonsFollowTheSelection()
    {
        Start();
        QVERIFY(s->Action("ID_ROW_DELETE").isEnabled());
        s->Action("ID_ROW_DELETE").trigger();
        s->Action("ID_ROW_DELETE").trigger();
        s->Action("ID_ROW_DELETE").trigger();
        s->Action("ID_ROW_DELETE").trigger();
        QCOMPARE(s->Grid().GetItemCount(), 0);
        QCOMPARE(s->Grid().Cursor().CurrentRow(), -1);
        for (const char* name : {"ID_ROW_DELETE", "ID_ROW_INSERT_ABOVE", "ID_ROW_INSERT_BELOW",
                                 "ID_ROW_MOVE_UP", "ID_ROW_MOVE_DOWN"})
            QVERIFY2(!s->Action(name).isEnabled(), name);
        QVERIFY(s->Action("ID_EDIT_UNDO").isEnabled());
    }

    void renameGoesThroughTheEntryDialog()
    {
        Start();
        s->View().Menus().SetMenuColumn(1);
        s->Frame().UpdateCommands();
        QString caption;
        QString selected;
        WhenShown([&](QWidget& dialog) {
            caption = dialog.windowTitle();
            auto* edit = dialog.findChild<QLineEdit*>(QStringLiteral("entryEdit"));
            selected = edit->selectedText();
            QTest::keyClicks(edit, QStringLiteral("Montant"));
            QTest::keyClick(edit, Qt::Key_Return);
        });
        s->Action("ID_COLUMN_RENAME").trigger();
        QCOMPARE(caption, QStringLiteral("Éditer le texte de colonne"));
        QCOMPARE(selected, QStringLiteral("Prix"));
        QCOMPARE(QString::fromStdString(s->Grid().GetColumnName(1)), QStringLiteral("Montant"));
        QCOMPARE(s->View().GridWidget()->model()->headerData(1, Qt::Horizontal).toString(),
                 QStringLiteral("Montant"));
        QVERIFY(s->Frame().isWindowModified());

        WhenShown([](QWidget& dialog) { QTest::keyClick(&dialog, Qt::Key_Escape); });
        s->Action("ID_COLUMN_RENAME").trigger();
        QCOMPARE(QString::fromStdString(s->Grid().GetColumnName(1)), QStringLiteral("Montant"));
        QCOMPARE(s->Action("ID_EDIT_UNDO").text(),
                 QStringLiteral("Annuler : Renommer la colonne\tCtrl+Z"));
    }

    void deletingAColumnAsksAndNoKeepsIt()
    {
        Start();
        s->View().Menus().SetMenuColumn(1);
        s->Frame().UpdateCommands();
        s->prompt.answers = {Answer::No};
        s->Action("ID_COLUMN_DELETE").trigger();
        QCOMPARE(s->Grid().GetColumnCount(), 2);
        QVERIFY(!s->Frame().isWindowModified());
        QCOMPARE(s->prompt.messages.back().text, QStringLiteral("Colonne d'effacement 'Prix'?"));
        QCOMPARE(s->prompt.messages.back().buttons, IUserPrompt::Buttons::YesNo);
        QCOMPARE(s->prompt.messages.back().icon, IUserPrompt::Icon::Question);
    }

    // A right-click on a header opens the column menu there.
    void headerRightClickOpensTheColumnMenu()
    {
        Start();
        QHeaderView* header = s->View().GridWidget()->horizontalHeader();
        QStringList entries;
        WhenShown([&](QWidget& popup) {
            for (const QAction* action : popup.actions())
                entries << (action->isSeparator() ? QStringLiteral("-") : action->text());
            QTest::keyClick(&popup, Qt::Key_Escape);
        });
        QTest::mouseClick(header->viewport(), Qt::RightButton, {},
                          QPoint(header->sectionViewportPosition(0) + 5, header->height() / 2));
        QCOMPARE(entries, (QStringList{"Renommer une colonne", "-", "Insérer une colonne avant",
                                       "Insérer une colonne après", "-", "Supprimer la colonne",
                                       "-", "Trier…"}));
        QCOMPARE(s->View().Menus().MenuColumn(), 0);
    }
};

QTEST_MAIN(EditingAppTest)
#include "EditingAppTest.moc"
