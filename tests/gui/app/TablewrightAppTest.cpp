#include "app/TablewrightApp.h"
#include "app/FrenchTranslations.h"
#include "app/MainFrame.h"
#include "dialogs/AboutDlg.h"
#include "document/TablewrightDoc.h"
#include "platform/Shell.h"
#include "resources/StringTable.h"
#include "view/GridTableView.h"
#include "view/TablewrightView.h"

#include "GuiTestSupport.h"

#include <QAction>
#include <QApplication>
#include <QDropEvent>
#include <QHeaderView>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QMimeData>
#include <QProgressBar>
#include <QSignalSpy>
#include <QTest>
#include <QTimer>

#include <memory>
#include <string>

namespace {

using Answer = IUserPrompt::Answer;

// A list document of the given rows under two columns "nom" and "ville".
std::string ListOf(int rows)
{
    std::string text = "V\t1.6\nH\t\"nom\"\t\"ville\"\t\nW\t\"120\"\t\"80\"\t\n";
    for (int i = 0; i < rows; ++i)
        text += "R\t\"n" + std::to_string(i) + "\"\t\"v\"\t\n";
    return text;
}

// Records the programs started, each with its arguments.
class RecordingShell : public IShell
{
public:
    explicit RecordingShell(QList<QStringList>& started) : m_started(started) {}
    bool OpenUrl(const QUrl&) override { return false; }
    bool StartDetached(const QString& program, const QStringList& arguments) override
    {
        m_started << (QStringList{program} + arguments);
        return true;
    }

private:
    QList<QStringList>& m_started;
};

} // namespace

class TablewrightAppTest : public QObject
{
    Q_OBJECT

private:
    std::unique_ptr<TempSettings> settings;
    std::unique_ptr<TempFiles> files;
    std::unique_ptr<ScriptedPrompt> prompt;
    std::unique_ptr<CTablewrightApp> app;

    CTablewrightApp& Start(const QStringList& arguments = {})
    {
        app = std::make_unique<CTablewrightApp>(*prompt);
        if (!app->InitInstance(arguments))
            throw std::runtime_error("start-up failed");
        return *app;
    }
    CGridListCtrl& Grid() { return app->GetView().m_wndGrid; }
    void Trigger(const char* name) { FindAction(app->GetMainFrame(), name)->trigger(); }

private Q_SLOTS:
    void init()
    {
        settings = std::make_unique<TempSettings>();
        files = std::make_unique<TempFiles>();
        prompt = std::make_unique<ScriptedPrompt>();
    }
    void cleanup() { app.reset(); }

    void aNewListHasTheFourDefaultColumns()
    {
        Start();
        QCOMPARE(Shown(Grid()), QString::fromUtf8("A|B|C|D"));
        const QHeaderView* header = app->GetView().GridWidget()->horizontalHeader();
        for (int column = 0; column < 4; ++column) {
            QCOMPARE(Grid().GetColumnWidth(column), 100);
            QCOMPARE(header->sectionSize(column), 100);
        }
        QCOMPARE(app->GetMainFrame().StatusPaneText(1), QString());
        QCOMPARE(app->GetMainFrame().windowTitle(), QStringLiteral("Sans titre[*] - Quire"));
        QVERIFY(app->GetMainFrame().isVisible());
    }

    void theCommandLineOpensAListWithoutDefaultColumns()
    {
        const QString path = files->Write("villes.tbw", ListOf(2));
        Start({path});
        QCOMPARE(Shown(Grid()), QString::fromUtf8("nom|ville\nn0|v\nn1|v\n|"));
        QCOMPARE(Grid().GetColumnWidth(0), 120);
        QCOMPARE(app->GetDocument().GetPathName(), path);
        QVERIFY(!app->GetDocument().IsModified());
        QCOMPARE(app->GetRecentFiles().Paths(), QStringList{path});
    }

    void theCommandLineOpensACsvFile()
    {
        const QString path = files->Write("liste.csv", "un,deux\r\ntrois,quatre\r\n");
        prompt->answers = {Answer::Yes};
        Start({path});
        QCOMPARE(Shown(Grid()), QString::fromUtf8("un|deux\ntrois|quatre\n|"));
        QCOMPARE(app->GetDocument().GetTitle(), QStringLiteral("liste.csv"));
        QCOMPARE(app->GetDocument().GetPathName(), path);
    }

    void aFileThatCannotBeOpenedEndsTheStart()
    {
        app = std::make_unique<CTablewrightApp>(*prompt);
        QVERIFY(!app->InitInstance({files->Path("absent.tbw")}));
        QVERIFY(!app->GetMainFrame().isVisible());
        QCOMPARE(prompt->messages.size(), std::size_t(1));
        QVERIFY(prompt->messages[0].text.startsWith(QStringLiteral("Impossible d'ouvrir")));
    }

    void aFileThatIsNotAListEndsTheStart()
    {
        const QString path = files->Write("passwd.tbw", "root:x:0:0:root:/root:/bin/bash\n");
        app = std::make_unique<CTablewrightApp>(*prompt);
        QVERIFY(!app->InitInstance({path}));
        QVERIFY(!app->GetMainFrame().isVisible());
        QCOMPARE(prompt->messages.size(), std::size_t(1));
        QVERIFY(prompt->messages[0].text.contains(QStringLiteral("n'est pas une liste Quire")));
        QCOMPARE(TempFiles::Read(path), std::string("root:x:0:0:root:/root:/bin/bash\n"));
    }

    void aRecentFileThatIsNoLongerAListIsRefused()
    {
        const QString other = files->Write("autre.tbw", ListOf(1));
        const QString current = files->Write("courante.tbw", ListOf(2));
        Start({other});
        app->OpenDocumentFile(current);
        files->Write("autre.tbw", "# plus une liste\nVE\tx\n");
        Trigger("ID_FILE_MRU_FILE2");
        QCOMPARE(app->GetDocument().GetPathName(), current);
        QCOMPARE(Shown(Grid()), QString::fromUtf8("nom|ville\nn0|v\nn1|v\n|"));
        QVERIFY(prompt->messages.back().text.contains(QStringLiteral("n'est pas une liste")));
        QCOMPARE(app->GetRecentFiles().Paths(), QStringList({current, other}));
    }

    void openReplacesEveryRowAndColumn()
    {
        Start();
        Grid().InsertItem(0, "ancien");
        prompt->openPaths = {files->Write("villes.tbw", ListOf(1))};
        Trigger("ID_FILE_OPEN");
        QCOMPARE(prompt->filters.front(), QString::fromUtf8(Strings::kOpenFilter));
        QCOMPARE(Shown(Grid()), QString::fromUtf8("nom|ville\nn0|v\n|"));
        QCOMPARE(app->GetMainFrame().windowTitle(), QStringLiteral("villes.tbw[*] - Quire"));
    }

    void newAfterAnImportBringsTheDefaultColumnsBack()
    {
        Start();
        prompt->openPaths = {files->Write("import.txt", "x\ty\tz\r\n1\t2\t3\r\n")};
        Trigger("ID_FILE_IMPORT_TEXT");
        QCOMPARE(Shown(Grid()), QString::fromUtf8("x|y|z\n1|2|3"));
        Trigger("ID_FILE_NEW");
        QCOMPARE(Shown(Grid()), QString::fromUtf8("A|B|C|D"));
        QCOMPARE(app->GetMainFrame().windowTitle(), QStringLiteral("Sans titre[*] - Quire"));
    }

    void aCancelledSavePromptKeepsTheList()
    {
        Start();
        Grid().InsertItem(0, "précieux");
        MarkModified(app->GetDocument());
        prompt->answers = {Answer::Cancel, Answer::Cancel, Answer::Cancel};
        prompt->openPaths = {files->Write("autre.tbw", ListOf(1))};
        Trigger("ID_FILE_NEW");
        Trigger("ID_FILE_OPEN");
        QVERIFY(!app->GetMainFrame().close());
        QCOMPARE(Shown(Grid()), QString::fromUtf8("A|B|C|D\nprécieux|||"));
        QCOMPARE(prompt->messages.size(), std::size_t(3));
        QCOMPARE(prompt->messages[0].text,
                 QStringLiteral("Enregistrer les modifications de « Sans titre » ?"));
        QVERIFY(app->GetMainFrame().isVisible());
        QVERIFY(app->GetMainFrame().isWindowModified());
    }

    void ctrlQQuitsAsTheQuitCommandDoes_data()
    {
        QTest::addColumn<Answer>("answer");
        QTest::addColumn<bool>("stillOpen");
        QTest::newRow("cancel") << Answer::Cancel << true;
        QTest::newRow("no") << Answer::No << false;
    }

    // Quitting by the keyboard asks about the changes as the menu does.
    void ctrlQQuitsAsTheQuitCommandDoes()
    {
        QFETCH(Answer, answer);
        QFETCH(bool, stillOpen);
        Start();
        Grid().InsertItem(0, "précieux");
        MarkModified(app->GetDocument());
        CMainFrame& frame = app->GetMainFrame();
        QVERIFY(QTest::qWaitForWindowActive(&frame));
        prompt->answers = {answer};
        QWidget* focus = QApplication::focusWidget();
        QTest::keyClick(focus ? focus : &frame, Qt::Key_Q, Qt::ControlModifier);
        // A command closes the window once it has finished.
        QTRY_COMPARE(prompt->messages.size(), std::size_t(1));
        QCOMPARE(prompt->messages[0].text,
                 QStringLiteral("Enregistrer les modifications de « Sans titre » ?"));
        QCOMPARE(prompt->messages[0].buttons, IUserPrompt::Buttons::YesNoCancel);
        QCOMPARE(frame.isVisible(), stillOpen);
    }

    void saveIsAlwaysEnabledAndAsksForANameOnce()
    {
        Start();
        QAction* save = FindAction(app->GetMainFrame(), "ID_FILE_SAVE");
        app->GetMainFrame().UpdateCommands();
        QVERIFY(save->isEnabled());
        const QString path = files->Path("neuve.tbw");
        prompt->savePaths = {path};
        save->trigger();
        save->trigger();
        QCOMPARE(prompt->saveSuffixes, QStringList{"tbw"});
        QCOMPARE(prompt->filters.size(), 1);
        QVERIFY(prompt->filters.front().startsWith(QStringLiteral("Tablewright Files (*.tbw);;")));
        QCOMPARE(QString::fromStdString(TempFiles::Read(path)),
                 QString::fromUtf8("V\t1.6\r\nH\t\"A\"\t\"B\"\t\"C\"\t\"D\"\t\r\n"
                                   "W\t\"100\"\t\"100\"\t\"100\"\t\"100\"\t\r\n"));
        QCOMPARE(app->GetRecentFiles().Paths(), QStringList{path});
    }

    void progressStandsAtZeroAfterEachLongOperation_data()
    {
        QTest::addColumn<QString>("command");
        QTest::newRow("load") << "ID_FILE_OPEN";
        QTest::newRow("save") << "ID_FILE_SAVE_AS";
        QTest::newRow("import text") << "ID_FILE_IMPORT_TEXT";
        QTest::newRow("import csv") << "ID_FILE_IMPORT_CSV";
        QTest::newRow("export text") << "ID_FILE_EXPORT_TEXT";
        QTest::newRow("export csv") << "ID_FILE_EXPORT_CSV";
        QTest::newRow("export html") << "ID_FILE_EXPORT_HTML";
    }

    void progressStandsAtZeroAfterEachLongOperation()
    {
        QFETCH(QString, command);
        Start({files->Write("source.tbw", ListOf(300))});
        std::string lines;
        for (int i = 0; i < 300; ++i)
            lines += "a" + std::to_string(i) + ",b\r\n";
        prompt->openPaths = {command.contains("CSV")    ? files->Write("in.csv", lines)
                             : command.contains("TEXT") ? files->Write("in.txt", "a\tb\r\n" + lines)
                                                        : files->Path("source.tbw")};
        prompt->savePaths = {files->Path("out")};
        prompt->answers = {Answer::No};
        QProgressBar* bar = app->GetMainFrame().ProgressBar();
        QSignalSpy moves(bar, &QProgressBar::valueChanged);
        FindAction(app->GetMainFrame(), command)->trigger();
        QVERIFY(moves.size() > 10);
        QCOMPARE(bar->value(), 0);
        QCOMPARE(moves.back().front().toInt(), 0);
    }

    // The second entry of File > Export writes the list as CSV.
    void theExportMenuWritesCsv()
    {
        Start({files->Write("villes.tbw", ListOf(1))});
        QMenu* exportMenu = nullptr;
        for (QAction* entry : app->GetMainFrame().menuBar()->actions().front()->menu()->actions()) {
            if (entry->menu() && entry->text() == QStringLiteral("Exporter"))
                exportMenu = entry->menu();
        }
        QVERIFY(exportMenu);
        QAction* csv = exportMenu->actions().value(1);
        QVERIFY(csv);
        QCOMPARE(csv->objectName(), QStringLiteral("ID_FILE_EXPORT_CSV"));
        QCOMPARE(csv->toolTip(), QStringLiteral("Exporter en fichier CSV"));
        const QString path = files->Path("villes.csv");
        prompt->savePaths = {path};
        prompt->answers = {Answer::Yes};
        app->GetMainFrame().UpdateCommands();
        QVERIFY(csv->isEnabled());
        csv->trigger();
        QCOMPARE(prompt->filters, QStringList{"CSV files (*.csv);;All Files (*.*)"});
        QCOMPARE(prompt->saveSuffixes, QStringList{"csv"});
        QCOMPARE(prompt->messages.size(), std::size_t(1));
        QCOMPARE(prompt->messages[0].buttons, IUserPrompt::Buttons::YesNo);
        QCOMPARE(QString::fromStdString(TempFiles::Read(path)),
                 QStringLiteral("\"nom\",\"ville\"\r\n\"n0\",\"v\"\r\n"));
    }

    void aCloseDuringALongLoadIsCarriedOutAfterIt()
    {
        Start();
        prompt->openPaths = {files->Write("longue.tbw", ListOf(2000))};
        bool closedAtOnce = true;
        int rowsWhenAsked = -1;
        QTimer::singleShot(0, &app->GetMainFrame(), [&] {
            rowsWhenAsked = Grid().GetItemCount();
            closedAtOnce = app->GetMainFrame().close();
        });
        Trigger("ID_FILE_OPEN");
        QVERIFY(!closedAtOnce);
        QVERIFY(rowsWhenAsked < 2001);
        QCOMPARE(Grid().GetItemCount(), 2001);
        QVERIFY(app->GetMainFrame().isVisible());
        QTRY_VERIFY(!app->GetMainFrame().isVisible());
    }

    void optionsToggleAndPersist_data()
    {
        QTest::addColumn<QString>("action");
        QTest::addColumn<QString>("key");
        QTest::newRow("single click") << "ID_OPTION_SINGLE_CLICK"
                                      << "Options/SingleClickEntry";
        QTest::newRow("last row") << "ID_OPTION_GO_TO_LAST"
                                  << "Options/GoToLastItem";
    }

    void optionsToggleAndPersist()
    {
        QFETCH(QString, action);
        QFETCH(QString, key);
        TempSettings::Store(key, 2);
        Start();
        QAction* option = FindAction(app->GetMainFrame(), action);
        app->GetMainFrame().UpdateCommands();
        QVERIFY(option->isChecked());
        option->trigger();
        QCOMPARE(TempSettings::Stored(key).toInt(), 0);
        QVERIFY(!option->isChecked());
        option->trigger();
        QCOMPARE(TempSettings::Stored(key).toInt(), 1);
        QVERIFY(option->isChecked());
    }

    void theLastRowOptionScrollsToTheEndWithoutSelecting()
    {
        TempSettings::Store("Options/GoToLastItem", 1);
        Start({files->Write("longue.tbw", ListOf(499))});
        CGridTableView* table = app->GetView().GridWidget();
        QTRY_VERIFY(table->viewport()->rect().contains(table->CellRect(499, 0)));
        QCOMPARE(Grid().GetSelectedRow(), -1);
        QVERIFY(!table->selectionModel()->hasSelection());
    }

    void recentFilesOpenAndForgetMissingOnes()
    {
        const QString kept = files->Write("gardee.tbw", ListOf(1));
        const QString gone = files->Write("perdue.tbw", ListOf(2));
        Start({gone});
        app->OpenDocumentFile(kept);
        QCOMPARE(app->GetRecentFiles().Paths(), QStringList({kept, gone}));
        QAction* first = FindAction(app->GetMainFrame(), "ID_FILE_MRU_FILE1");
        QVERIFY(first->text().startsWith(QStringLiteral("&1 ")));
        QVERIFY(first->text().endsWith(QStringLiteral("gardee.tbw")));
        QFile::remove(gone);
        Trigger("ID_FILE_MRU_FILE2");
        QCOMPARE(app->GetRecentFiles().Paths(), QStringList{kept});
        QVERIFY(!FindAction(app->GetMainFrame(), "ID_FILE_MRU_FILE2")->isVisible());
        Trigger("ID_FILE_NEW");
        Trigger("ID_FILE_MRU_FILE1");
        QCOMPARE(app->GetDocument().GetPathName(), kept);
    }

    // Five files opened: the four most recent stay, newest first, in the
    // menu, in the settings and in the next run.
    void theRecentFileListKeepsTheFourLastFiles()
    {
        QStringList opened;
        for (int i = 1; i <= 5; ++i)
            opened << files->Write(QStringLiteral("liste%1.tbw").arg(i), ListOf(1));
        Start();
        for (const QString& path : opened)
            QVERIFY(app->OpenDocumentFile(path));
        const QStringList expected = {opened[4], opened[3], opened[2], opened[1]};
        QCOMPARE(app->GetRecentFiles().Paths(), expected);
        for (int i = 0; i < 4; ++i) {
            const QAction* entry =
                FindAction(app->GetMainFrame(), QStringLiteral("ID_FILE_MRU_FILE%1").arg(i + 1));
            QVERIFY(entry->isVisible());
            QVERIFY2(entry->text().endsWith(QStringLiteral("liste%1.tbw").arg(5 - i)),
                     qPrintable(entry->text()));
        }
        QCOMPARE(TempSettings::Stored("Recent File List/File4").toString(), opened[1]);
        QVERIFY(!TempSettings::Stored("Recent File List/File5").isValid());
        app.reset();
        Start();
        QCOMPARE(app->GetRecentFiles().Paths(), expected);
    }

    void qtsOwnDialogsSpeakFrench()
    {
        InstallFrenchTranslations(*QCoreApplication::instance());
        QCOMPARE(QCoreApplication::translate("QPlatformTheme", "&Yes"), QStringLiteral("&Oui"));
        QCOMPARE(QCoreApplication::translate("QPlatformTheme", "Cancel"),
                 QStringLiteral("Annuler"));
        QCOMPARE(QCoreApplication::translate("QFileDialog", "File &name:"),
                 QStringLiteral("&Nom de fichier :"));
    }

    // A drop opens the first file here, as Open would (asking to save the
    // changes first), and each other one in a program of its own.
    void droppedFilesOpenTheFirstHereAndTheOthersApart()
    {
        Start();
        QList<QStringList> started;
        app->SetShell(std::make_unique<RecordingShell>(started));
        MarkModified(app->GetDocument());
        const QString first = files->Write("a.csv", "x;y\n1;2\n");
        const QString second = files->Write("b.csv", "z\n");
        QMimeData data;
        data.setUrls({QUrl::fromLocalFile(first), QUrl(QStringLiteral("https://example.org/c.csv")),
                      QUrl::fromLocalFile(second)});
        CMainFrame& frame = app->GetMainFrame();
        const QPoint middle = frame.rect().center();
        QDragEnterEvent enter(middle, Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(&frame, &enter);
        QVERIFY(frame.acceptDrops());
        QVERIFY(enter.isAccepted());
        prompt->answers = {Answer::No, Answer::Yes};
        QDropEvent drop(QPointF(middle), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(&frame, &drop);
        QTRY_COMPARE(app->GetDocument().GetPathName(), first);
        QCOMPARE(prompt->questions.front(), IUserPrompt::Question::SaveChanges);
        QCOMPARE(Shown(Grid()), QString::fromUtf8("x|y\n1|2\n|"));
        QCOMPARE(started.size(), 1);
        QCOMPARE(started.front().mid(1), (QStringList{QStringLiteral("--"), second}));
        const auto* pane = frame.findChild<QLabel*>(QStringLiteral("dialectPane"));
        QVERIFY(pane->isVisibleTo(&frame));
        QCOMPARE(pane->text(), QString::fromUtf8("CSV ; · UTF-8 · LF"));
        Trigger("ID_FILE_NEW");
        QVERIFY(!pane->isVisibleTo(&frame));
    }

    // Back in front, a file another program changed is offered for reading
    // again.
    void aFileChangedBehindTheProgramIsOfferedForReloading()
    {
        const QString path = files->Write("a.csv", "x,y\n1,2\n");
        prompt->answers = {Answer::Yes};
        Start({path});
        files->Write("a.csv", "x,y\n30,40\n");
        prompt->answers = {Answer::Yes, Answer::Yes};
        QEvent activation(QEvent::ActivationChange);
        app->GetMainFrame().activateWindow();
        QApplication::sendEvent(&app->GetMainFrame(), &activation);
        QTRY_COMPARE(Shown(Grid()), QString::fromUtf8("x|y\n30|40\n|"));
        QCOMPARE(prompt->questions.at(1), IUserPrompt::Question::ReloadChangedFile);
    }

    void aboutShowsTheVersion()
    {
        Start();
        CAboutDlg about(app->m_fVersion);
        QCOMPARE(about.windowTitle(), QStringLiteral("A propos de Quire..."));
        QCOMPARE(about.VersionText(), QStringLiteral("Version 1.6"));
    }
};

QTEST_MAIN(TablewrightAppTest)
#include "TablewrightAppTest.moc"
