#include "app/DialogPrompt.h"
#include "app/FrenchTranslations.h"
#include "app/MainFrame.h"
#include "app/TablewrightApp.h"
#include "exchange/BatchConverter.h"
#include "exchange/CommandLine.h"
#include "print/PrintJob.h"
#include "resources/StringTable.h"

#include <QApplication>
#include <QCoreApplication>
#include <QGuiApplication>
#include <QStringList>

#include <cstdio>
#include <cstdlib>

namespace {

// Help, version and mistakes are answered before Qt starts, so they need
// no display.
QStringList ArgumentsOf(int argc, char* argv[])
{
    QStringList arguments;
    for (int i = 1; i < argc; ++i)
        arguments << QString::fromLocal8Bit(argv[i]);
    return arguments;
}

void Print(std::FILE* stream, const QString& text)
{
    std::fputs(text.toLocal8Bit().constData(), stream);
}

// Qt would abort with an English message of its own when no display exists.
bool DisplayAvailable()
{
    const auto set = [](const char* name) {
        const char* value = std::getenv(name);
        return value && *value;
    };
    return set("QT_QPA_PLATFORM") || set("DISPLAY") || set("WAYLAND_DISPLAY");
}

// Once Qt runs, the command line is read again as Qt decodes it, which on
// some systems keeps characters that the first reading loses.
CCommandLine QtCommandLine()
{
    return CCommandLine(QCoreApplication::arguments().mid(1));
}

// A PDF is printed, which takes fonts: Qt's GUI part runs for it, off any
// screen when there is none.
int RunBatch(int argc, char* argv[], const CConversion& conversion)
{
    if (!conversion.out.endsWith(QLatin1String(".pdf"), Qt::CaseInsensitive)) {
        QCoreApplication app(argc, argv);
        return CBatchConverter().Run(QtCommandLine().Conversion());
    }
    if (!DisplayAvailable())
        qputenv("QT_QPA_PLATFORM", "offscreen");
    // A conversion says what went wrong in one line of its own; Qt's
    // remarks about the screen it runs without would only get in the way.
    qInstallMessageHandler([](QtMsgType type, const QMessageLogContext&, const QString& text) {
        if (type == QtCriticalMsg || type == QtFatalMsg)
            std::fprintf(stderr, "%s\n", qPrintable(text));
    });
    QGuiApplication app(argc, argv);
    CBatchConverter converter;
    converter.SetPdfPrinter(&CPrintJob::WriteListPdf);
    return converter.Run(QtCommandLine().Conversion());
}

int RunDesktop(int argc, char* argv[])
{
    if (!DisplayAvailable()) {
        std::fprintf(stderr, "%s\n", Strings::kNoDisplay);
        return CCommandLine::kFailure;
    }
    QApplication app(argc, argv);
    QApplication::setApplicationName(QString::fromUtf8(Strings::kAppName));
    QApplication::setOrganizationName(QStringLiteral("Tablewright"));
    QApplication::setWindowIcon(QIcon(QStringLiteral(":/icons/quire.svg")));
    InstallFrenchTranslations(app);

    CDialogPrompt prompt;
    CTablewrightApp theApp(prompt);
    const QString file = QtCommandLine().File();
    if (!theApp.InitInstance(file.isEmpty() ? QStringList() : QStringList{file}))
        return CCommandLine::kFailure;
    prompt.SetParentWindow(&theApp.GetMainFrame());
    return QApplication::exec();
}

} // namespace

int main(int argc, char* argv[])
{
    const CCommandLine commandLine(ArgumentsOf(argc, argv));
    switch (commandLine.GetMode()) {
    case CCommandLine::Mode::Help:
        Print(stdout, CCommandLine::Usage());
        return CCommandLine::kSuccess;
    case CCommandLine::Mode::Version:
        Print(stdout, CCommandLine::VersionLine() + QLatin1Char('\n'));
        return CCommandLine::kSuccess;
    case CCommandLine::Mode::Invalid:
        Print(stderr, commandLine.Error() + QLatin1Char('\n') + CCommandLine::HelpHint() +
                          QLatin1Char('\n'));
        return CCommandLine::kUsageError;
    case CCommandLine::Mode::Convert:
        return RunBatch(argc, argv, commandLine.Conversion());
    case CCommandLine::Mode::Edit:
        break;
    }
    return RunDesktop(argc, argv);
}
