#include "edit/Launch.h"

#include "platform/Shell.h"

#include <QDir>
#include <QProcess>
#include <QString>

namespace Launch {

namespace {

QString FromUtf8(std::string_view text)
{
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

} // namespace

Kind Classify(std::string_view text)
{
    if (text.empty())
        return Kind::None;
    const QString original = FromUtf8(text);
    QString tested = original.toLower();
    tested.replace(QLatin1Char('/'), QLatin1Char('\\'));
    if (tested.startsWith(QLatin1String("http")) && tested.contains(QLatin1Char(':')))
        return Kind::Link;
    if (tested.contains(QLatin1String(".exe")))
        return Kind::Command;
    if (tested.startsWith(QLatin1String("\\\\")) || tested.contains(QLatin1String(":\\")))
        return Kind::Folder;
    if (original.startsWith(QLatin1Char('/')) || original.startsWith(QLatin1String("~/")))
        return Kind::Folder;
    return Kind::None;
}

QUrl ShellUrl(std::string_view text)
{
    QString target = FromUtf8(text);
    if (Classify(text) == Kind::Link)
        return QUrl(target, QUrl::TolerantMode);
    if (target.startsWith(QLatin1String("~/")))
        target = QDir::homePath() + target.mid(1);
    return QUrl::fromLocalFile(target);
}

QStringList SplitCommand(std::string_view text)
{
    return QProcess::splitCommand(FromUtf8(text));
}

bool Open(IShell& shell, std::string_view text)
{
    return !text.empty() && shell.OpenUrl(ShellUrl(text));
}

bool Run(IShell& shell, std::string_view text)
{
    QStringList arguments = SplitCommand(text);
    if (arguments.isEmpty())
        return false;
    const QString program = arguments.takeFirst();
    return shell.StartDetached(program, arguments);
}

} // namespace Launch
