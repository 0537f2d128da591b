#include "app/FileAssociation.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QList>
#include <QProcess>
#include <QSaveFile>
#include <QSettings>
#include <QStandardPaths>

#include <optional>
#include <utility>

namespace FileAssociation {

namespace {

constexpr char kDefaultGroup[] = "[Default Applications]";

QByteArray Resource(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// Inside the double quotes of an Exec argument the launcher takes these
// four literally only after a backslash. It expands field codes all over
// the line, so a percent sign is doubled.
QString QuoteExecArgument(const QString& argument)
{
    QString quoted(QLatin1Char('"'));
    for (const QChar c : argument) {
        if (c == u'"' || c == u'`' || c == u'$' || c == u'\\')
            quoted += QLatin1Char('\\');
        else if (c == u'%')
            quoted += QLatin1Char('%');
        quoted += c;
    }
    return quoted + QLatin1Char('"');
}

// A string value of a desktop file is read with its own escapes before the
// Exec rules apply; a line break in a path would otherwise end the line.
QString EscapeDesktopString(const QString& value)
{
    QString escaped;
    for (const QChar c : value) {
        switch (c.unicode()) {
        case u'\\':
            escaped += QStringLiteral("\\\\");
            break;
        case u'\n':
            escaped += QStringLiteral("\\n");
            break;
        case u'\t':
            escaped += QStringLiteral("\\t");
            break;
        case u'\r':
            escaped += QStringLiteral("\\r");
            break;
        default:
            escaped += c;
        }
    }
    return escaped;
}

bool IsDefaultEntry(const QByteArray& line)
{
    const qsizetype equals = line.indexOf('=');
    return equals > 0 && line.left(equals).trimmed() == kMimeType;
}

// Where the entry goes when no group holds it yet: after the last line of
// the first default group that is not blank, or -1 when there is no group.
qsizetype InsertionPoint(const QList<QByteArray>& lines)
{
    qsizetype at = -1;
    for (qsizetype i = 0; i < lines.size(); ++i) {
        const QByteArray line = lines[i].trimmed();
        if (line.startsWith('[')) {
            if (at >= 0)
                break;
            if (line == kDefaultGroup)
                at = i + 1;
        } else if (at >= 0 && !line.isEmpty()) {
            at = i + 1;
        }
    }
    return at;
}

#ifdef Q_OS_WIN
bool RegisterClasses(const QString& executable)
{
    QSettings classes(QStringLiteral("HKEY_CURRENT_USER\\Software\\Classes"),
                      QSettings::NativeFormat);
    classes.setValue(QStringLiteral(".tbw/Default"), QStringLiteral("Tablewright"));
    classes.setValue(QStringLiteral("Tablewright/Default"), QStringLiteral("Tablewright File"));
    classes.setValue(QStringLiteral("Tablewright/Shell/Open/Command/Default"),
                     QLatin1Char('"') + QDir::toNativeSeparators(executable) +
                         QStringLiteral("\" \"%1\""));
    classes.sync();
    return classes.status() == QSettings::NoError;
}
#else
bool WriteWhole(const QString& path, const QByteArray& text)
{
    if (!QDir().mkpath(QFileInfo(path).absolutePath()))
        return false;
    QSaveFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(text) == text.size() && file.commit();
}

// A file that is there but cannot be read is not to be replaced by what
// Quire alone would write.
std::optional<QByteArray> ReadIfPresent(const QString& path)
{
    QFile file(path);
    if (!file.exists())
        return QByteArray();
    if (!file.open(QIODevice::ReadOnly))
        return std::nullopt;
    return file.readAll();
}

// Rebuilding the desktop's caches takes a moment; a tool that hangs must
// not hold the window for ever.
constexpr int kToolTimeoutMs = 15000;

// The desktop's caches are rebuilt by tools that may be missing; the files
// then take effect when the caches are next rebuilt.
void RunIfPresent(const QString& tool, const QString& folder)
{
    const QString program = QStandardPaths::findExecutable(tool);
    if (program.isEmpty())
        return;
    QProcess process;
    process.setStandardOutputFile(QProcess::nullDevice());
    process.setStandardErrorFile(QProcess::nullDevice());
    process.start(program, {folder});
    if (!process.waitForFinished(kToolTimeoutMs)) {
        process.kill();
        process.waitForFinished();
    }
}

// The icon comes along so that the desktop entry shows it even when Quire
// was never installed.
bool RegisterFreedesktop(const QString& executable)
{
    const QString data = QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation);
    const QString config = QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation);
    const QString mimeAppsPath = config + QStringLiteral("/mimeapps.list");
    const std::optional<QByteArray> mimeApps = ReadIfPresent(mimeAppsPath);
    if (!mimeApps)
        return false;
    const std::pair<QString, QByteArray> files[] = {
        {data + QStringLiteral("/mime/packages/x-tablewright.xml"), InstalledMimeType()},
        {data + QStringLiteral("/icons/hicolor/scalable/apps/quire.svg"),
         Resource(QStringLiteral(":/icons/quire.svg"))},
        {data + QStringLiteral("/applications/") + QLatin1String(kDesktopFileName),
         UserDesktopEntry(executable)},
        {mimeAppsPath, WithDefaultApplication(*mimeApps)},
    };
    bool written = true;
    for (const auto& [path, text] : files)
        written = written && !text.isEmpty() && WriteWhole(path, text);
    RunIfPresent(QStringLiteral("update-mime-database"), data + QStringLiteral("/mime"));
    RunIfPresent(QStringLiteral("update-desktop-database"), data + QStringLiteral("/applications"));
    return written;
}
#endif

} // namespace

bool Register(const QString& executable)
{
#ifdef Q_OS_WIN
    return RegisterClasses(executable);
#else
    return RegisterFreedesktop(executable);
#endif
}

QByteArray InstalledMimeType()
{
    return Resource(QStringLiteral(":/desktop/x-tablewright.xml"));
}

QByteArray InstalledDesktopEntry()
{
    return Resource(QStringLiteral(":/desktop/quire.desktop"));
}

QString ExecValue(const QString& executable)
{
    return EscapeDesktopString(QuoteExecArgument(executable) + QStringLiteral(" %f"));
}

QByteArray UserDesktopEntry(const QString& executable)
{
    QList<QByteArray> lines = InstalledDesktopEntry().split('\n');
    for (QByteArray& line : lines) {
        if (line.startsWith("Exec="))
            line = "Exec=" + ExecValue(executable).toUtf8();
    }
    return lines.join('\n');
}

QByteArray WithDefaultApplication(const QByteArray& mimeApps)
{
    QList<QByteArray> lines = mimeApps.split('\n');
    if (!lines.isEmpty() && lines.back().isEmpty())
        lines.removeLast();
    const QByteArray entry = QByteArray(kMimeType) + '=' + kDesktopFileName;
    bool found = false;
    bool inDefaults = false;
    for (QByteArray& line : lines) {
        const QByteArray trimmed = line.trimmed();
        if (trimmed.startsWith('[')) {
            inDefaults = trimmed == kDefaultGroup;
        } else if (inDefaults && IsDefaultEntry(line)) {
            line = entry;
            found = true;
        }
    }
    if (!found) {
        const qsizetype at = InsertionPoint(lines);
        if (at >= 0) {
            lines.insert(at, entry);
        } else {
            if (!lines.isEmpty() && !lines.back().trimmed().isEmpty())
                lines.append(QByteArray());
            lines.append(kDefaultGroup);
            lines.append(entry);
        }
    }
    return lines.join('\n') + '\n';
}

} // namespace FileAssociation
