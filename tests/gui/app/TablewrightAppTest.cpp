#include "app/TablewrightApp.h"
#include "app/FrenchTranslations.h"
#include "app/MainFrame.h"
#include "dialogs/AboutDlg.h"
#include "document/TablewrightDoc.h"
#include "platform/Shell.h"
#include "resources/StringTable.h"
#include "view/GridTableView.h"
#include "view/ListCommands.h"
#include "view/TablewrightView.h"

#include "AppSession.h"
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
    std::unique_ptr<AppSession> s;

    CTablewrightApp& Start(const QStringList& arguments = {})
    {
        if (!s->Start(arguments))
            throw std::runtime_error("start-up failed");
        return s->App();
    }

private Q_SLOTS:
    void init() { s = std::make_unique<AppSession>(); }
    void cleanup() { s.reset(); }

    void aNewListHasTheFourDefaultColumns()
    {
        Start();
        QCOMPARE(Shown(s->Grid()), QString::fromUtf8("A|B|C|D"));
        const QHeaderView* header = s->View().GridWidget()->horizontalHeader();
        for (int column = 0; column < 4; ++column) {
            QCOMPARE(s->Grid().GetColumnWidth(column), 100);
            QCOMPARE(header->sectionSize(column), 100);
        }
        QCOMPARE(s->Frame().StatusPaneText(1), QString());
        QCOMPARE(s->Frame().windowTitle(), QStringLiteral("Sans titre[*] - Quire"));
        QVERIFY(s->Frame().isVisible());
    }

    void theCommandLineOpensAListWithoutDefaultColumns()
    {
        const QString path = s->files.Write("villes.tbw", ListOf(2));
        Start({path});
        QCOMPARE(Shown(s->Grid()), QString::fromUtf8("nom|ville\nn0|v\nn1|v\n|"));
        QCOMPARE(s->Grid().GetColumnWidth(0), 120);
        QCOMPARE(s->Doc().GetPathName(), path);
        QVERIFY(!s->Doc().IsModified());
        QCOMPARE(s->App().GetRecentFiles().Paths(), QStringList{path});
    }

    void theCommandLineOpensACsvFile()
    {
        const QString path = s->files.Write("liste.csv", "un,deux\r\ntrois,quatre\r\n");
        s->prompt.answers = {Answer::Yes};
        Start({path});
        QCOMPARE(Shown(s->Grid()), QString::fromUtf8("un|deux\ntrois|quatre\n|"));
        QCOMPARE(s->Doc().GetTitle(), QStringLiteral("liste.csv"));
        QCOMPARE(s->Doc().GetPathName(), path);
    }

    // A list of tens of MB is read in the window, whose progress bar moves
    // meanwhile; the small lists above appear read.
    void aBigListIsReadInTheShownWindow()
    {
        const std::string row = "R\t\"" + std::string(200, 'x') + "\"\t\"v\"\t\n";
        std::string list = ListOf(0);
        while (list.size() < (std::size_t{33} << 20))
            list += row;
        const QString path = s->files.Write("grande.tbw", list);
        // Timers run while the file is read, input waits.
        bool shownWhileReading = false;
        QTimer watch;
        QObject::connect(&watch, &QTimer::timeout, [&] {
            for (QWidget* window : QApplication::topLevelWidgets()) {
                const auto* frame = dynamic_cast<CMainFrame*>(window);
                if (frame && frame->isVisible() && frame->ProgressBar()->value() > 0)
                    shownWhileReading = true;
            }
        });
        watch.start(0);
        Start({path});
        QVERIFY(shownWhileReading);
        QCOMPARE(s->Grid().ItemTextView(0, 1), std::string_view("v"));
        QCOMPARE(s->Doc().GetPathName(), path);
    }

    void aFileThatCannotBeOpenedEndsTheStart()
    {
        QVERIFY(!s->Start({s->files.Path("absent.tbw")}));
        QVERIFY(!s->Frame().isVisible());
        QCOMPARE(s->prompt.messages.size(), std::size_t(1));
        QVERIFY(s->prompt.messages[0].text.startsWith(QStringLiteral("Impossible d'ouvrir")));
    }

    void aFileThatIsNotAListEndsTheStart()
    {
        const QString path = s->files.Write("passwd.tbw", "root:x:0:0:root:/root:/bin/bash\n");
        QVERIFY(!s->Start({path}));
        QVERIFY(!s->Frame().isVisible());
        QCOMPARE(s->prompt.messages.size(), std::size_t(1));
        QVERIFY(s->prompt.messages[0].text.contains(QStringLiteral("n'est pas une liste Quire")));
        QCOMPARE(TempFiles::Read(path), std::string("root:x:0:0:root:/root:/bin/bash\n"));
    }

    void aRecentFileThatIsNoLongerAListIsRefused()
    {
        const QString other = s->files.Write("autre.tbw", ListOf(1));
        const QString current = s->files.Write("courante.tbw", ListOf(2));
        Start({other});
        s->App().OpenDocumentFile(current);
        s->files.Write("autre.tbw", "# plus une liste\nVE\tx\n");
        s->Action("ID_FILE_MRU_FILE2").trigger();
        QCOMPARE(s->Doc().GetPathName(), current);
        QCOMPARE(Shown(s->Grid()), QString::fromUtf8("nom|ville\nn0|v\nn1|v\n|"));
        QVERIFY(s->prompt.messages.back().text.contains(QStringLiteral("n'est pas une liste")));
        QCOMPARE(s->App().GetRecentFiles().Paths(), QStringList({current, other}));
    }

    void openReplacesEveryRowAndColumn()
    {
        Start();
        s->Grid().InsertItem(0, "ancien");
        s->prompt.openPaths = {s->files.Write("villes.tbw", ListOf(1))};
        s->Action("ID_FILE_OPEN").trigger();
        QCOMPARE(s->prompt.filters.front(), QString::fromUtf8(Strings::kOpenFilter));
        QCOMPARE(Shown(s->Grid()), QString::fromUtf8("nom|ville\nn0|v\n|"));
        QCOMPARE(s->Frame().windowTitle(), QStringLiteral("villes.tbw[*] - Quire"));
    }

    void newAfterAnImportBringsTheDefaultColumnsBack()
    {
        Start();
        s->prompt.openPaths = {s->files.Write("import.txt", "x\ty\tz\r\n1\t2\t3\r\n")};
        s->Action("ID_FILE_IMPORT_TEXT").trigger();
        QCOMPARE(Shown(s->Grid()), QString::fromUtf8("x|y|z\n1|2|3"));
        s->Action("ID_FILE_NEW").trigger();
        QCOMPARE(Shown(s->Grid()), QString::fromUtf8("A|B|C|D"));
        QCOMPARE(s->Frame().windowTitle(), QStringLiteral("Sans titre[*] - Quire"));
    }

    void aCancelledSavePromptKeepsTheList()
    {
        Start();
        s->Grid().InsertItem(0, "précieux");
        MarkModified(s->Doc());
        s->prompt.answers = {Answer::Cancel, Answer::Cancel, Answer::Cancel};
        s->prompt.openPaths = {s->files.Write("autre.tbw", ListOf(1))};
        s->Action("ID_FILE_NEW").trigger();
        s->Action("ID_FILE_OPEN").trigger();
        QVERIFY(!s->Frame().close());
        QCOMPARE(Shown(s->Grid()), QString::fromUtf8("A|B|C|D\nprécieux|||"));
        QCOMPARE(s->prompt.messages.size(), std::size_t(3));
        QCOMPARE(s->prompt.messages[0].text,
                 QStringLiteral("Enregistrer les modifications de « Sans titre » ?"));
        QVERIFY(s->Frame().isVisible());
        QVERIFY(s->Frame().isWindowModified());
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
        s->Grid().InsertItem(0, "précieux");
        MarkModified(s->Doc());
        CMainFrame& frame = s->Frame();
        QVERIFY(QTest::qWaitForWindowActive(&frame));
        s->prompt.answers = {answer};
        QWidget* focus = QApplication::focusWidget();
        QTest::keyClick(focus ? focus : &frame, Qt::Key_Q, Qt::ControlModifier);
        // A command closes the window once it has finished.
        QTRY_COMPARE(s->prompt.messages.size(), std::size_t(1));
        QCOMPARE(s->prompt.messages[0].text,
                 QStringLiteral("Enregistrer les modifications de « Sans titre » ?"));
        QCOMPARE(s->prompt.messages[0].buttons, IUserPrompt::Buttons::YesNoCancel);
        QCOMPARE(frame.isVisible(), stillOpen);
    }

    void saveIsAlwaysEnabledAndAsksForANameOnce()
    {
        Start();
        QAction* save = FindAction(s->Frame(), "ID_FILE_SAVE");
        s->Frame().UpdateCommands();
        QVERIFY(save->isEnabled());
        const QString path = s->files.Path("neuve.tbw");
        s->prompt.savePaths = {path};
        save->trigger();
        save->trigger();
        QCOMPARE(s->prompt.saveSuffixes, QStringList{"tbw"});
        QCOMPARE(s->prompt.filters.size(), 1);
        QVERIFY(
            s->prompt.filters.front().startsWith(QStringLiteral("Tablewright Files (*.tbw);;")));
        QCOMPARE(QString::fromStdString(TempFiles::Read(path)),
                 QString::fromUtf8("V\t1.6\r\nH\t\"A\"\t\"B\"\t\"C\"\t\"D\"\t\r\n"
                                   "W\t\"100\"\t\"100\"\t\"100\"\t\"100\"\t\r\n"));
        QCOMPARE(s->App().GetRecentFiles().Paths(), QStringList{path});
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
        Start({s->files.Write("source.tbw", ListOf(300))});
        std::string lines;
        for (int i = 0; i < 300; ++i)
            lines += "a" + std::to_string(i) + ",b\r\n";
        s->prompt.openPaths = {command.contains("CSV") ? s->files.Write("in.csv", lines)
                               : command.contains("TEXT")
                                   ? s->files.Write("in.txt", "a\tb\r\n" + lines)
                                   : s->files.Path("source.tbw")};
        s->prompt.savePaths = {s->files.Path("out")};
        s->prompt.answers = {Answer::No};
        QProgressBar* bar = s->Frame().ProgressBar();
        QSignalSpy moves(bar, &QProgressBar::valueChanged);
        FindAction(s->Frame(), command)->trigger();
        QVERIFY(moves.size() > 10);
        QCOMPARE(bar->value(), 0);
        QCOMPARE(moves.back().front().toInt(), 0);
    }

    // The second entry of File > Export writes the list as CSV.
    void theExportMenuWritesCsv()
    {
        Start({s->files.Write("villes.tbw", ListOf(1))});
        QMenu* exportMenu = nullptr;
        for (QAction* entry : s->Frame().menuBar()->actions().front()->menu()->actions()) {
            if (entry->menu() && entry->text() == QStringLiteral("Exporter"))
                exportMenu = entry->menu();
        }
        QVERIFY(exportMenu);
        QAction* csv = exportMenu->actions().value(1);
        QVERIFY(csv);
        QCOMPARE(csv->objectName(), QStringLiteral("ID_FILE_EXPORT_CSV"));
        QCOMPARE(csv->toolTip(), QStringLiteral("Exporter en fichier CSV"));
        const QString path = s->files.Path("villes.csv");
        s->prompt.savePaths = {path};
        s->prompt.answers = {Answer::Yes};
        s->Frame().UpdateCommands();
        QVERIFY(csv->isEnabled());
        csv->trigger();
        QCOMPARE(s->prompt.filters, QStringList{"CSV files (*.csv);;All Files (*.*)"});
        QCOMPARE(s->prompt.saveSuffixes, QStringList{"csv"});
        QCOMPARE(s->prompt.messages.size(), std::size_t(1));
        QCOMPARE(s->prompt.messages[0].buttons, IUserPrompt::Buttons::YesNo);
        QCOMPARE(QString::fromStdString(TempFiles::Read(path)),
                 QStringLiteral("\"nom\",\"ville\"\r\n\"n0\",\"v\"\r\n"));
    }

    void aCloseDuringALongLoadIsCarriedOutAfterIt()
    {
        Start();
        s->prompt.openPaths = {s->files.Write("longue.tbw", ListOf(2000))};
        bool closedAtOnce = true;
        int rowsWhenAsked = -1;
        QTimer::singleShot(0, &s->Frame(), [&] {
            rowsWhenAsked = s->Grid().GetItemCount();
            closedAtOnce = s->Frame().close();
        });
        s->Action("ID_FILE_OPEN").trigger();
        QVERIFY(!closedAtOnce);
        QVERIFY(rowsWhenAsked < 2001);
        QCOMPARE(s->Grid().GetItemCount(), 2001);
        QVERIFY(s->Frame().isVisible());
        QTRY_VERIFY(!s->Frame().isVisible());
    }

    // While a list is read, the keys do nothing but Échap, which stops the
    // read and leaves the list shown as it was.
    void echapStopsAReadAndKeepsTheList()
    {
        Start();
        const QString kept = s->files.Write("villes.tbw", ListOf(1));
        s->prompt.openPaths = {kept};
        s->Action("ID_FILE_OPEN").trigger();
        s->prompt.openPaths = {s->files.Write("longue.tbw", ListOf(20000))};
        QString promptWhileReading;
        QTimer::singleShot(0, &s->Frame(), [&] {
            promptWhileReading = s->Frame().StatusPaneText(0);
            QWidget* focus = QApplication::focusWidget();
            QTest::keyClick(focus, Qt::Key_Delete);
            QTest::keyClick(focus, Qt::Key_O, Qt::ControlModifier);
            QTest::keyClick(focus, Qt::Key_Escape);
        });
        s->Action("ID_FILE_OPEN").trigger();
        QCOMPARE(promptWhileReading, QString::fromUtf8(Strings::kReadingStoppable));
        QCOMPARE(Shown(s->Grid()), QString::fromUtf8("nom|ville\nn0|v\n|"));
        QCOMPARE(s->Doc().GetPathName(), kept);
        QVERIFY(!s->Doc().IsModified());
        QVERIFY(s->prompt.openPaths.empty());
        QVERIFY(s->Frame().StatusPaneText(0).contains(QStringLiteral("arrêtée")));
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
        QAction* option = FindAction(s->Frame(), action);
        s->Frame().UpdateCommands();
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
        Start({s->files.Write("longue.tbw", ListOf(499))});
        CGridTableView* table = s->View().GridWidget();
        QTRY_VERIFY(table->viewport()->rect().contains(table->CellRect(499, 0)));
        QCOMPARE(s->Grid().Cursor().CurrentRow(), -1);
        QVERIFY(!table->selectionModel()->hasSelection());
    }

    void recentFilesOpenAndForgetMissingOnes()
    {
        const QString kept = s->files.Write("gardee.tbw", ListOf(1));
        const QString gone = s->files.Write("perdue.tbw", ListOf(2));
        Start({gone});
        s->App().OpenDocumentFile(kept);
        QCOMPARE(s->App().GetRecentFiles().Paths(), QStringList({kept, gone}));
        QAction* first = FindAction(s->Frame(), "ID_FILE_MRU_FILE1");
        QVERIFY(first->text().startsWith(QStringLiteral("&1 ")));
        QVERIFY(first->text().endsWith(QStringLiteral("gardee.tbw")));
        QFile::remove(gone);
        s->Action("ID_FILE_MRU_FILE2").trigger();
        QCOMPARE(s->App().GetRecentFiles().Paths(), QStringList{kept});
        QVERIFY(!FindAction(s->Frame(), "ID_FILE_MRU_FILE2")->isVisible());
        s->Action("ID_FILE_NEW").trigger();
        s->Action("ID_FILE_MRU_FILE1").trigger();
        QCOMPARE(s->Doc().GetPathName(), kept);
    }

    // Five files opened: the four most recent stay, newest first, in the
    // menu, in the settings and in the next run.
    void theRecentFileListKeepsTheFourLastFiles()
    {
        QStringList opened;
        for (int i = 1; i <= 5; ++i)
            opened << s->files.Write(QStringLiteral("liste%1.tbw").arg(i), ListOf(1));
        Start();
        for (const QString& path : opened)
            QVERIFY(s->App().OpenDocumentFile(path));
        const QStringList expected = {opened[4], opened[3], opened[2], opened[1]};
        QCOMPARE(s->App().GetRecentFiles().Paths(), expected);
        for (int i = 0; i < 4; ++i) {
            const QAction* entry =
                FindAction(s->Frame(), QStringLiteral("ID_FILE_MRU_FILE%1").arg(i + 1));
            QVERIFY(entry->isVisible());
            QVERIFY2(entry->text().endsWith(QStringLiteral("liste%1.tbw").arg(5 - i)),
                     qPrintable(entry->text()));
        }
        QCOMPARE(TempSettings::Stored("Recent File List/File4").toString(), opened[1]);
        QVERIFY(!TempSettings::Stored("Recent File List/File5").isValid());
        s->Stop();
        Start();
        QCOMPARE(s->App().GetRecentFiles().Paths(), expected);
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
        s->App().SetShell(std::make_unique<RecordingShell>(started));
        MarkModified(s->Doc());
        const QString first = s->files.Write("a.csv", "x;y\n1;2\n");
        const QString second = s->files.Write("b.csv", "z\n");
        QMimeData data;
        data.setUrls({QUrl::fromLocalFile(first), QUrl(QStringLiteral("https://example.org/c.csv")),
                      QUrl::fromLocalFile(second)});
        CMainFrame& frame = s->Frame();
        const QPoint middle = frame.rect().center();
        QDragEnterEvent enter(middle, Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(&frame, &enter);
        QVERIFY(frame.acceptDrops());
        QVERIFY(enter.isAccepted());
        s->prompt.answers = {Answer::No, Answer::Yes};
        QDropEvent drop(QPointF(middle), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(&frame, &drop);
        QTRY_COMPARE(s->Doc().GetPathName(), first);
        QCOMPARE(s->prompt.questions.front(), IUserPrompt::Question::SaveChanges);
        QCOMPARE(Shown(s->Grid()), QString::fromUtf8("x|y\n1|2\n|"));
        QCOMPARE(started.size(), 1);
        QCOMPARE(started.front().mid(1), (QStringList{QStringLiteral("--"), second}));
        const auto* pane = frame.findChild<QLabel*>(QStringLiteral("dialectPane"));
        QVERIFY(pane->isVisibleTo(&frame));
        QCOMPARE(pane->text(), QString::fromUtf8("CSV ; · UTF-8 · LF"));
        s->Action("ID_FILE_NEW").trigger();
        QVERIFY(!pane->isVisibleTo(&frame));
    }

    // Back in front, a file another program changed is offered for reading
    // again.
    void aFileChangedBehindTheProgramIsOfferedForReloading()
    {
        const QString path = s->files.Write("a.csv", "x,y\n1,2\n");
        s->prompt.answers = {Answer::Yes};
        Start({path});
        s->files.Write("a.csv", "x,y\n30,40\n");
        s->prompt.answers = {Answer::Yes, Answer::Yes};
        QEvent activation(QEvent::ActivationChange);
        s->Frame().activateWindow();
        QApplication::sendEvent(&s->Frame(), &activation);
        QTRY_COMPARE(Shown(s->Grid()), QString::fromUtf8("x|y\n30|40\n|"));
        QCOMPARE(s->prompt.questions.at(1), IUserPrompt::Question::ReloadChangedFile);
    }

    void aboutShowsTheVersion()
    {
        Start();
        CAboutDlg about(s->App().m_fVersion);
        QCOMPARE(about.windowTitle(), QStringLiteral("A propos de Quire..."));
        QCOMPARE(about.VersionText(), QStringLiteral("Version 1.6"));
    }
};

QTEST_MAIN(TablewrightAppTest)
#include "TablewrightAppTest.moc"
