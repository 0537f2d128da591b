#include <QProcess>
#include <QProcessEnvironment>
#include <QTest>

namespace {

struct Run
{
    int status = -1;
    QString output;
    QString errors;
};

// Runs the real program with no display of any kind.
Run RunWithoutDisplay(const QStringList& arguments)
{
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    for (const char* name : {"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM"})
        environment.remove(QLatin1String(name));
    QProcess quire;
    quire.setProcessEnvironment(environment);
    quire.start(QStringLiteral(QUIRE_EXECUTABLE), arguments);
    if (!quire.waitForFinished(30000) || quire.exitStatus() != QProcess::NormalExit)
        return {};
    return {quire.exitCode(), QString::fromUtf8(quire.readAllStandardOutput()),
            QString::fromUtf8(quire.readAllStandardError())};
}

} // namespace

class ProgramTest : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    // Without any display Quire says so in French instead of crashing.
    void withoutADisplayQuireExplainsAndFails()
    {
        const Run run = RunWithoutDisplay({});
        QCOMPARE(run.status, 1);
        QVERIFY2(run.errors.contains(QStringLiteral("écran graphique")), qPrintable(run.errors));
        QVERIFY(run.errors.contains(QStringLiteral("xvfb-run")));
    }

    void helpAndVersionNeedNoDisplay_data()
    {
        QTest::addColumn<QString>("argument");
        QTest::addColumn<QString>("expected");
        QTest::newRow("help") << "--help"
                              << "  quire --convert ENTRÉE SORTIE [--csv-header yes|no] "
                                 "[--csv-export-header yes|no]\n";
        QTest::newRow("version") << "--version"
                                 << "Quire 1.6\n";
    }

    void helpAndVersionNeedNoDisplay()
    {
        QFETCH(QString, argument);
        QFETCH(QString, expected);
        const Run run = RunWithoutDisplay({argument});
        QCOMPARE(run.status, 0);
        QCOMPARE(run.errors, QString());
        QVERIFY2(run.output.endsWith(QLatin1Char('\n')), qPrintable(run.output));
        if (argument == QLatin1String("--version"))
            QCOMPARE(run.output, expected);
        else
            QVERIFY2(run.output.contains(expected), qPrintable(run.output));
    }

    // A mistake is told before the missing display could be.
    void anUnknownOptionIsToldWithoutADisplay()
    {
        const Run run = RunWithoutDisplay({QStringLiteral("--foo")});
        QCOMPARE(run.status, 2);
        QCOMPARE(run.output, QString());
        QCOMPARE(run.errors, QStringLiteral("quire : option inconnue : --foo\n"
                                            "Essayez « quire --help » pour en savoir plus.\n"));
    }
};

QTEST_GUILESS_MAIN(ProgramTest)
#include "ProgramTest.moc"
