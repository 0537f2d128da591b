#include "app/Settings.h"

#include <QSettings>

namespace Settings {

namespace {

constexpr char kOrganization[] = "Tablewright";
constexpr char kApplication[] = "Quire";
constexpr char kRecentFileSection[] = "Recent File List";
constexpr char kToolbarSection[] = "Toolbar";

QString KeyOf(const char* section, const char* name)
{
    return QString::fromLatin1(section) + QLatin1Char('/') + QString::fromLatin1(name);
}

QString RecentFileKey(int index)
{
    return QStringLiteral("%1/File%2").arg(QLatin1String(kRecentFileSection)).arg(index + 1);
}

} // namespace

int ReadInt(const IntKey& key)
{
    QSettings settings(kOrganization, kApplication);
    bool ok = false;
    const int value = settings.value(KeyOf(key.section, key.name)).toInt(&ok);
    return ok ? value : key.defaultValue;
}

void WriteInt(const IntKey& key, int value)
{
    QSettings settings(kOrganization, kApplication);
    settings.setValue(KeyOf(key.section, key.name), value);
}

QStringList ReadRecentFiles(int count)
{
    QSettings settings(kOrganization, kApplication);
    QStringList paths;
    for (int i = 0; i < count; ++i) {
        const QString path = settings.value(RecentFileKey(i)).toString();
        if (!path.isEmpty())
            paths << path;
    }
    return paths;
}

void WriteRecentFiles(const QStringList& paths)
{
    QSettings settings(kOrganization, kApplication);
    settings.remove(QLatin1String(kRecentFileSection));
    for (int i = 0; i < paths.size(); ++i)
        settings.setValue(RecentFileKey(i), paths[i]);
}

QByteArray ReadToolbarState()
{
    QSettings settings(kOrganization, kApplication);
    return settings.value(KeyOf(kToolbarSection, "State")).toByteArray();
}

void WriteToolbarState(const QByteArray& state)
{
    QSettings settings(kOrganization, kApplication);
    settings.setValue(KeyOf(kToolbarSection, "State"), state);
}

} // namespace Settings
