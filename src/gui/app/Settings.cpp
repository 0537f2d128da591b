#include "app/Settings.h"

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

Store::Store() : m_settings(kOrganization, kApplication) {}

int Store::ReadInt(const IntKey& key) const
{
    bool ok = false;
    const int value = m_settings.value(KeyOf(key.section, key.name)).toInt(&ok);
    return ok ? value : key.defaultValue;
}

void Store::WriteInt(const IntKey& key, int value)
{
    m_settings.setValue(KeyOf(key.section, key.name), value);
}

QStringList Store::ReadRecentFiles(int count) const
{
    QStringList paths;
    for (int i = 0; i < count; ++i) {
        const QString path = m_settings.value(RecentFileKey(i)).toString();
        if (!path.isEmpty())
            paths << path;
    }
    return paths;
}

void Store::WriteRecentFiles(const QStringList& paths)
{
    m_settings.remove(QLatin1String(kRecentFileSection));
    for (int i = 0; i < paths.size(); ++i)
        m_settings.setValue(RecentFileKey(i), paths[i]);
}

QByteArray Store::ReadToolbarState() const
{
    return m_settings.value(KeyOf(kToolbarSection, "State")).toByteArray();
}

void Store::WriteToolbarState(const QByteArray& state)
{
    m_settings.setValue(KeyOf(kToolbarSection, "State"), state);
}

} // namespace Settings
