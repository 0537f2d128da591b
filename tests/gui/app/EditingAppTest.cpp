#include "app/MainFrame.h"
#include "app/TablewrightApp.h"
#include "dialogs/EntryDlg.h"
#include "document/TablewrightDoc.h"
#include "view/CellEditor.h"
#include "view/GridTableView.h"
#include "view/TablewrightView.h"

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
    std::unique_ptr<TempSettings> settings;
    std::unique_ptr<TempFiles> files;
    std::unique_ptr<ScriptedPrompt> prompt;
    std::unique_ptr<CTablewrightApp> app;

    // The program with a saved list of three rows open, row 1 selected and
    // cell (1, 1) current.
    void Start()
    {
        const QString path =
            files->Write("courses.tbw", "V\t1.6\nH\t\"Nom\"\t\"Prix\"\t\nR\t\"pain\"\t\"1\"\t\n"
                                        "R\t\"lait\"\t\"2\"\t\nR\t\"sel\"\t\"3\"\t\n");
        app = std::make_unique<CTablewrightApp>(*prompt);
        QVERIFY(app->InitInstance({path}));
        QApplication::setActiveWindow(&Frame());
        QVERIFY(QTest::qWaitForWindowActive(&Frame()));
        Grid().Cursor().SetCurrent(1, 1);
    }
    CMainFrame& Frame() { return app->GetMainFrame(); }
    CTablewrightView& View() { return app->GetView(); }
    CGridListCtrl& Grid() { return app->GetDocument().GetGrid(); }
    QAction& Action(const char* name) { return *FindAction(Frame(), name); }
    void Keys(int key, Qt::KeyboardModifiers modifiers)
    {
        QTest::keyClick(View().GridWidget(), static_cast<Qt::Key>(key), modifiers);
    }

private Q_SLOTS:
    void init()
    {
        settings = std::make_unique<TempSettings>();
        files = std::make_unique<TempFiles>();
        prompt = std::make_unique<ScriptedPrompt>();
    }
    void cleanup() { app.reset(); }

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
        const QString saved = Shown(Grid());
        const QString tag = QString::fromUtf8(QTest::currentDataTag());
        if (tag == "edit") {
            View().BeginCellEdit(1, 1);
            View().CellEditor()->setText(QStringLiteral("neuf"));
            QTest::keyClick(View().CellEditor()->focusProxy(), Qt::Key_Return);
        } else if (tag == "delete key") {
            Keys(Qt::Key_Delete, {});
        } else if (tag == "insert row") {
            Action("ID_ROW_INSERT_ABOVE").trigger();
        } else if (tag == "delete row") {
            Action("ID_ROW_DELETE").trigger();
        } else if (tag == "move row") {
            Action("ID_ROW_MOVE_DOWN").trigger();
        } else if (tag == "insert column") {
            View().m_nMenuColumn = 0;
            Frame().UpdateCommands();
            Action("ID_COLUMN_INSERT_BEFORE").trigger();
        } else if (tag == "delete column") {
            View().m_nMenuColumn = 0;
            Frame().UpdateCommands();
            prompt->answers = {Answer::Yes};
            Action("ID_COLUMN_DELETE").trigger();
        } else {
            View().GridWidget()->horizontalHeader()->moveSection(0, 1);
            QTRY_COMPARE(Shown(Grid()), changed);
        }
        QCOMPARE(Shown(Grid()), changed);
        QVERIFY(Frame().isWindowModified());
        QCOMPARE(Action("ID_EDIT_UNDO").text(), QStringLiteral("Annuler : %1\tCtrl+Z").arg(step));
        QVERIFY(!Action("ID_EDIT_REDO").isEnabled());

        Keys(Qt::Key_Z, Qt::ControlModifier);
        QCOMPARE(Shown(Grid()), saved);
        QVERIFY(!Frame().isWindowModified());
        QVERIFY(!Action("ID_EDIT_UNDO").isEnabled());
        QCOMPARE(Action("ID_EDIT_REDO").text(), QStringLiteral("Rétablir : %1\tCtrl+Y").arg(step));

        Keys(Qt::Key_Y, Qt::ControlModifier);
        QCOMPARE(Shown(Grid()), changed);
        QVERIFY(Frame().isWindowModified());
        Keys(Qt::Key_Z, Qt::ControlModifier);
        Keys(Qt::Key_Z, Qt::ControlModifier | Qt::ShiftModifier);
        QCOMPARE(Shown(Grid()), changed);
    }

    // Saving moves the clean point; New forgets every step.
    void theCleanPointFollowsSaving()
    {
        Start();
        Action("ID_ROW_DELETE").trigger();
        Action("ID_FILE_SAVE").trigger();
        QVERIFY(!Frame().isWindowModified());
        Action("ID_EDIT_UNDO").trigger();
        QVERIFY(Frame().isWindowModified());
        Action("ID_EDIT_REDO").trigger();
        QVERIFY(!Frame().isWindowModified());
        Action("ID_FILE_NEW").trigger();
        QVERIFY(!Action("ID_EDIT_UNDO").isEnabled());
        QCOMPARE(Action("ID_EDIT_UNDO").text(), QStringLiteral("Annuler\tCtrl+Z"));
    }

    // Saving with the editor still open saves what was typed; New asks
    // about it rather than dropping it.
    void anOpenEditIsNeverLeftBehind()
    {
        Start();
        View().BeginCellEdit(0, 0);
        View().CellEditor()->setText(QStringLiteral("frais"));
        Action("ID_FILE_SAVE").trigger();
        QVERIFY(!View().IsEditing());
        QVERIFY(!Frame().isWindowModified());
        QVERIFY(TempFiles::Read(app->GetDocument().GetPathName()).find("\"frais\"") !=
                std::string::npos);

        View().BeginCellEdit(1, 0);
        View().CellEditor()->setText(QStringLiteral("beurre"));
        prompt->answers = {Answer::Cancel};
        Action("ID_FILE_NEW").trigger();
        QCOMPARE(prompt->questions.back(), IUserPrompt::Question::SaveChanges);
        QCOMPARE(QString::fromStdString(Grid().GetItemText(1, 0)), QStringLiteral("beurre"));
    }

    // The row buttons follow the selection as it changes, menu or not.
    void rowButtonsFollowTheSelection()
    {
        Start();
        QVERIFY(Action("ID_ROW_DELETE").isEnabled());
        Action("ID_ROW_DELETE").trigger();
        Action("ID_ROW_DELETE").trigger();
        Action("ID_ROW_DELETE").trigger();
        Action("ID_ROW_DELETE").trigger();
        QCOMPARE(Grid().GetItemCount(), 0);
        QCOMPARE(Grid().Cursor().CurrentRow(), -1);
        for (const char* name : {"ID_ROW_DELETE", "ID_ROW_INSERT_ABOVE", "ID_ROW_INSERT_BELOW",
                                 "ID_ROW_MOVE_UP", "ID_ROW_MOVE_DOWN"})
            QVERIFY2(!Action(name).isEnabled(), name);
        QVERIFY(Action("ID_EDIT_UNDO").isEnabled());
    }

    void renameGoesThroughTheEntryDialog()
    {
        Start();
        View().m_nMenuColumn = 1;
        Frame().UpdateCommands();
        QString caption;
        QString selected;
        WhenShown([&](QWidget& dialog) {
            caption = dialog.windowTitle();
            auto* edit = dialog.findChild<QLineEdit*>(QStringLiteral("entryEdit"));
            selected = edit->selectedText();
            QTest::keyClicks(edit, QStringLiteral("Montant"));
            QTest::keyClick(edit, Qt::Key_Return);
        });
        Action("ID_COLUMN_RENAME").trigger();
        QCOMPARE(caption, QStringLiteral("Éditer le texte de colonne"));
        QCOMPARE(selected, QStringLiteral("Prix"));
        QCOMPARE(QString::fromStdString(Grid().GetColumnName(1)), QStringLiteral("Montant"));
        QCOMPARE(View().GridWidget()->model()->headerData(1, Qt::Horizontal).toString(),
                 QStringLiteral("Montant"));
        QVERIFY(Frame().isWindowModified());

        WhenShown([](QWidget& dialog) { QTest::keyClick(&dialog, Qt::Key_Escape); });
        Action("ID_COLUMN_RENAME").trigger();
        QCOMPARE(QString::fromStdString(Grid().GetColumnName(1)), QStringLiteral("Montant"));
        QCOMPARE(Action("ID_EDIT_UNDO").text(),
                 QStringLiteral("Annuler : Renommer la colonne\tCtrl+Z"));
    }

    void deletingAColumnAsksAndNoKeepsIt()
    {
        Start();
        View().m_nMenuColumn = 1;
        Frame().UpdateCommands();
        prompt->answers = {Answer::No};
        Action("ID_COLUMN_DELETE").trigger();
        QCOMPARE(Grid().GetColumnCount(), 2);
        QVERIFY(!Frame().isWindowModified());
        QCOMPARE(prompt->messages.back().text, QStringLiteral("Colonne d'effacement 'Prix'?"));
        QCOMPARE(prompt->messages.back().buttons, IUserPrompt::Buttons::YesNo);
        QCOMPARE(prompt->messages.back().icon, IUserPrompt::Icon::Question);
    }

    // A right-click on a header opens the column menu there.
    void headerRightClickOpensTheColumnMenu()
    {
        Start();
        QHeaderView* header = View().GridWidget()->horizontalHeader();
        QStringList entries;
        WhenShown([&](QWidget& popup) {
            for (const QAction* action : popup.actions())
                entries << (action->isSeparator() ? QStringLiteral("-") : action->text());
            QTest::keyClick(&popup, Qt::Key_Escape);
        });
        QTest::mouseClick(header->viewport(), Qt::RightButton, {},
                          QPoint(header->sectionViewportPosition(0) + 5, header->height() / 2));
        QCOMPARE(entries, (QStringList{"Renommer une colonne", "-", "Insérer une colonne avant",
                                       "Insérer une colonne après", "-", "Supprimer la colonne"}));
        QCOMPARE(View().m_nMenuColumn, 0);
    }
};

QTEST_MAIN(EditingAppTest)
#include "EditingAppTest.moc"
