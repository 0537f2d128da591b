#include <QProcess>
#include <QProcessEnvironment>
#include <QTest>

class ProgramTest : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    // Without any display Quire says so in French instead of crashing.
    void withoutADisplayQuireExplainsAndFails()
    {
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        for (const char* name : {"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM"})
            environment.remove(QLatin1String(name));
        QProcess quire;
        quire.setProcessEnvironment(environment);
        quire.start(QStringLiteral(QUIRE_EXECUTABLE), {});
        QVERIFY(quire.waitForFinished(30000));
        QCOMPARE(quire.exitStatus(), QProcess::NormalExit);
        QCOMPARE(quire.exitCode(), 1);
        const QString error = QString::fromUtf8(quire.readAllStandardError());
        QVERIFY2(error.contains(QStringLiteral("écran graphique")), qPrintable(error));
        QVERIFY(error.contains(QStringLiteral("xvfb-run")));
    }
};

QTEST_GUILESS_MAIN(ProgramTest)
#include "ProgramTest.moc"
