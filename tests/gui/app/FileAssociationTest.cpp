#include "app/FileAssociation.h"
#include "app/MainFrame.h"
#include "app/TablewrightApp.h"

#include "GuiTestSupport.h"

#include <QAction>
#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>

#include <map>

namespace {

QByteArray Read(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("(missing)");
}

void Write(const QString& path, const QByteArray& text)
{
    QDir().mkpath(QFileInfo(path).absolutePath());
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(text);
}

// Every file below folder with its bytes, to compare two runs.
std::map<QString, QByteArray> Snapshot(const QString& folder)
{
    std::map<QString, QByteArray> files;
    QDirIterator it(folder, QDir::Files | QDir::Hidden, QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QString path = it.next();
        files[path] = Read(path);
    }
    return files;
}

// The answer of a command run in the test's environment, or "" when the
// tool is not installed.
QString Answer(const QString& tool, const QStringList& arguments)
{
    const QString program = QStandardPaths::findExecutable(tool);
    if (program.isEmpty())
        return {};
    QProcess process;
    process.start(program, arguments);
    if (!process.waitForFinished(30000))
        return QStringLiteral("(no answer)");
    return QString::fromUtf8(process.readAllStandardOutput()).trimmed();
}

constexpr char kOtherGroups[] = "[Added Associations]\n"
                                "application/x-tablewright=other.desktop;\n"
                                "\n"
                                "[Default Applications]\n"
                                "text/html=firefox.desktop\n"
                                "application/x-tablewright=other.desktop\n"
                                "# kept\n"
                                "\n"
                                "[Removed Associations]\n"
                                "text/plain=gedit.desktop;\n";

// Paths of the executable and the Exec value that runs it with the file:
// quoted for the launcher, then escaped again as a desktop file's string.
const char* const kExecValues[][2] = {
    {"/usr/bin/quire", R"("/usr/bin/quire" %f)"},
    {"/opt/Mes Outils/quire", R"("/opt/Mes Outils/quire" %f)"},
    {R"(/opt/a"b/quire)", R"("/opt/a\\"b/quire" %f)"},
    {"/opt/$HOME/quire", R"("/opt/\\$HOME/quire" %f)"},
    {"/opt/`id`/quire", R"("/opt/\\`id\\`/quire" %f)"},
    {R"(/opt/a\b/quire)", R"("/opt/a\\\\b/quire" %f)"},
    {"/opt/100%/quire", R"("/opt/100%%/quire" %f)"},
    {"/opt/a\nb/quire", R"("/opt/a\nb/quire" %f)"},
    {"/opt/Éditeur/quire", R"("/opt/Éditeur/quire" %f)"},
};

} // namespace

class FileAssociationTest : public QObject
{
    Q_OBJECT

private:
    QTemporaryDir m_home;
    QString m_strData;
    QString m_strConfig;

    QString DesktopFile() const
    {
        return m_strData + QStringLiteral("/applications/quire.desktop");
    }
    QString MimeFile() const
    {
        return m_strData + QStringLiteral("/mime/packages/x-tablewright.xml");
    }
    QString MimeApps() const { return m_strConfig + QStringLiteral("/mimeapps.list"); }

private Q_SLOTS:
    // Nothing may reach the user's own desktop: every XDG folder points
    // into the temporary home before anything reads them. xdg-mime splits
    // these folders at spaces, so they have none.
    void initTestCase()
    {
        QVERIFY(m_home.isValid());
        m_strData = m_home.filePath(QStringLiteral("data"));
        m_strConfig = m_home.filePath(QStringLiteral("config"));
        qputenv("HOME", QFile::encodeName(m_home.path()));
        qputenv("XDG_DATA_HOME", QFile::encodeName(m_strData));
        qputenv("XDG_CONFIG_HOME", QFile::encodeName(m_strConfig));
        // xdg-mime then answers from the freedesktop files alone.
        for (const char* name : {"XDG_CURRENT_DESKTOP", "XDG_SESSION_DESKTOP", "DESKTOP_SESSION",
                                 "KDE_FULL_SESSION", "GNOME_DESKTOP_SESSION_ID"})
            qunsetenv(name);
    }
    void init()
    {
        QDir(m_strData).removeRecursively();
        QDir(m_strConfig).removeRecursively();
    }

    void execQuotesEveryPath()
    {
        for (const auto& [executable, exec] : kExecValues)
            QCOMPARE(FileAssociation::ExecValue(QString::fromUtf8(executable)),
                     QString::fromUtf8(exec));
    }

    void defaultApplicationKeepsEveryOtherLine_data()
    {
        QTest::addColumn<QByteArray>("before");
        QTest::addColumn<QByteArray>("after");
        const QByteArray entry = "application/x-tablewright=quire.desktop\n";
        QTest::newRow("no file") << QByteArray() << "[Default Applications]\n" + entry;
        QTest::newRow("other group only")
            << QByteArray("[Added Associations]\ntext/plain=gedit.desktop;")
            << "[Added Associations]\ntext/plain=gedit.desktop;\n\n[Default Applications]\n" +
                   entry;
        QTest::newRow("group without the type")
            << QByteArray("[Default Applications]\ntext/html=a.desktop\n\n[Other]\nx=y\n")
            << "[Default Applications]\ntext/html=a.desktop\n" + entry + "\n[Other]\nx=y\n";
        QTest::newRow("empty group at the end")
            << QByteArray("[Default Applications]\n") << "[Default Applications]\n" + entry;
        QTest::newRow("another program's default")
            << QByteArray(kOtherGroups)
            << QByteArray(kOtherGroups)
                   .replace("application/x-tablewright=other.desktop\n#",
                            "application/x-tablewright=quire.desktop\n#");
        QTest::newRow("spaced key, CR LF")
            << QByteArray("[Default Applications]\r\napplication/x-tablewright = b.desktop\r\n")
            << "[Default Applications]\r\n" + entry;
        QTest::newRow("longer type left alone")
            << QByteArray("[Default Applications]\napplication/x-tablewright-old=b.desktop\n")
            << "[Default Applications]\napplication/x-tablewright-old=b.desktop\n" + entry;
    }
    void defaultApplicationKeepsEveryOtherLine()
    {
        QFETCH(QByteArray, before);
        QFETCH(QByteArray, after);
        QCOMPARE(FileAssociation::WithDefaultApplication(before), after);
        QCOMPARE(FileAssociation::WithDefaultApplication(after), after);
    }

    // The files a user's association writes are the installed ones, the
    // desktop entry running this very executable.
    void registerWritesTheUsersFiles()
    {
        Write(MimeApps(), kOtherGroups);
        const QString executable = m_home.filePath(QStringLiteral("Mes Outils/quire"));
        QVERIFY(FileAssociation::Register(executable));

        QCOMPARE(Read(MimeFile()), FileAssociation::InstalledMimeType());
        QCOMPARE(Read(m_strData + QStringLiteral("/icons/hicolor/scalable/apps/quire.svg")),
                 Read(QStringLiteral(":/icons/quire.svg")));
        QVERIFY(Read(MimeFile()).contains("<glob pattern=\"*.tbw\"/>"));
        const QByteArray entry = Read(DesktopFile());
        QVERIFY2(entry.contains("\nExec=\"" + QFile::encodeName(executable) + "\" %f\n"),
                 entry.constData());
        QCOMPARE(
            QByteArray(entry).replace(FileAssociation::ExecValue(executable).toUtf8(), "quire %f"),
            FileAssociation::InstalledDesktopEntry());
        // Quire is offered for CSV and tab-separated files, which it edits as
        // themselves, without becoming their default program.
        QVERIFY(entry.contains(
            "\nMimeType=application/x-tablewright;text/csv;text/tab-separated-values;\n"));
        QCOMPARE(Read(MimeApps()), FileAssociation::WithDefaultApplication(kOtherGroups));
        const QString validation = Answer(QStringLiteral("desktop-file-validate"), {DesktopFile()});
        QVERIFY2(validation.isEmpty(), qPrintable(validation));
    }

    void registeringTwiceChangesNothing()
    {
        Write(MimeApps(), kOtherGroups);
        QVERIFY(FileAssociation::Register(QStringLiteral("/opt/a b/quire")));
        const auto once = Snapshot(m_home.path());
        QVERIFY(FileAssociation::Register(QStringLiteral("/opt/a b/quire")));
        QVERIFY(once == Snapshot(m_home.path()));
        QVERIFY(once.contains(DesktopFile()));
    }

    // What cannot be read is not replaced, and what cannot be written
    // leaves the files after it as they were.
    void aFileInTheWayFailsQuietly()
    {
        QVERIFY(QDir().mkpath(MimeApps()));
        QVERIFY(!FileAssociation::Register(QStringLiteral("/usr/bin/quire")));
        QVERIFY(QFileInfo(MimeApps()).isDir());
        QVERIFY(!QFile::exists(DesktopFile()));

        QVERIFY(QDir(MimeApps()).removeRecursively());
        Write(MimeApps(), kOtherGroups);
        Write(m_strData + QStringLiteral("/applications"), "not a folder");
        QVERIFY(!FileAssociation::Register(QStringLiteral("/usr/bin/quire")));
        QCOMPARE(Read(MimeApps()), QByteArray(kOtherGroups));
    }

    // The refresh tools rebuild the caches the desktop reads.
    void theDesktopKnowsQuireForTbw()
    {
        QVERIFY(FileAssociation::Register(QStringLiteral(QUIRE_EXECUTABLE)));
        if (!QStandardPaths::findExecutable(QStringLiteral("update-mime-database")).isEmpty())
            QVERIFY(Read(m_strData + QStringLiteral("/mime/globs2"))
                        .contains("application/x-tablewright:*.tbw"));
        if (!QStandardPaths::findExecutable(QStringLiteral("update-desktop-database")).isEmpty())
            QVERIFY(Read(m_strData + QStringLiteral("/applications/mimeinfo.cache"))
                        .contains("application/x-tablewright=quire.desktop;"));
        const QString answer =
            Answer(QStringLiteral("xdg-mime"), {QStringLiteral("query"), QStringLiteral("default"),
                                                QString::fromLatin1(FileAssociation::kMimeType)});
        if (answer.isEmpty())
            QSKIP("xdg-mime is not installed");
        QCOMPARE(answer, QStringLiteral("quire.desktop"));
    }

    // The menu item is there and enabled, and does the association.
    void theMenuCommandAssociates()
    {
        TempSettings settings;
        ScriptedPrompt prompt;
        CTablewrightApp app(prompt);
        QVERIFY(app.InitInstance({}));
        QAction* command = FindAction(app.GetMainFrame(), QStringLiteral("ID_FILE_ASSOCIATE"));
        QVERIFY(command->isEnabled());
        command->trigger();
        QVERIFY(
            Read(DesktopFile())
                .contains(
                    FileAssociation::ExecValue(QCoreApplication::applicationFilePath()).toUtf8()));
        QVERIFY(Read(MimeApps()).contains("application/x-tablewright=quire.desktop\n"));
    }
};

QTEST_MAIN(FileAssociationTest)
#include "FileAssociationTest.moc"
