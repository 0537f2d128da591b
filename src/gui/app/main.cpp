#include "app/DialogPrompt.h"
#include "app/FrenchTranslations.h"
#include "app/MainFrame.h"
#include "app/TablewrightApp.h"
#include "exchange/BatchConverter.h"
#include "resources/StringTable.h"

#include <QApplication>
#include <QCoreApplication>
#include <QStringList>

#include <cstdio>
#include <cstdlib>

namespace {

bool IsBatch(int argc, char* argv[])
{
    return argc > 1 && QLatin1String(argv[1]) == QLatin1String("--convert");
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

int RunBatch(int argc, char* argv[])
{
    QCoreApplication app(argc, argv);
    return CBatchConverter().Run(QCoreApplication::arguments().mid(2));
}

int RunDesktop(int argc, char* argv[])
{
    if (!DisplayAvailable()) {
        std::fprintf(stderr, "%s\n", Strings::kNoDisplay);
        return 1;
    }
    QApplication app(argc, argv);
    QApplication::setApplicationName(QString::fromUtf8(Strings::kAppName));
    QApplication::setOrganizationName(QStringLiteral("Tablewright"));
    QApplication::setWindowIcon(QIcon(QStringLiteral(":/icons/quire.svg")));
    InstallFrenchTranslations(app);

    CDialogPrompt prompt;
    CTablewrightApp theApp(prompt);
    if (!theApp.InitInstance(QApplication::arguments().mid(1)))
        return 1;
    prompt.SetParentWindow(&theApp.GetMainFrame());
    return QApplication::exec();
}

} // namespace

int main(int argc, char* argv[])
{
    if (IsBatch(argc, argv))
        return RunBatch(argc, argv);
    return RunDesktop(argc, argv);
}
