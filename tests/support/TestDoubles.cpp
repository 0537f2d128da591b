#include "TestDoubles.h"

#include "document/ListWriter.h"
#include "grid/CellText.h"

#include <QFile>

#include <csignal>

#include <sys/mount.h>
#include <sys/resource.h>

FileSizeLimit::FileSizeLimit(long long bytes)
{
    std::signal(SIGXFSZ, SIG_IGN);
    rlimit limit{};
    getrlimit(RLIMIT_FSIZE, &limit);
    m_saved = static_cast<long long>(limit.rlim_cur);
    limit.rlim_cur = static_cast<rlim_t>(bytes);
    setrlimit(RLIMIT_FSIZE, &limit);
}

FileSizeLimit::~FileSizeLimit()
{
    rlimit limit{};
    getrlimit(RLIMIT_FSIZE, &limit);
    limit.rlim_cur = static_cast<rlim_t>(m_saved);
    setrlimit(RLIMIT_FSIZE, &limit);
}

SmallDisk::SmallDisk()
{
    const QByteArray where = m_dir.path().toLocal8Bit();
    m_mounted = mount("quire-test", where.constData(), "tmpfs", 0, "size=64k") == 0;
}

SmallDisk::~SmallDisk()
{
    if (m_mounted)
        umount(m_dir.path().toLocal8Bit().constData());
}

void SmallDisk::Fill(qint64 leftFree) const
{
    QFile filler(Path("filler"));
    if (!filler.open(QIODevice::WriteOnly | QIODevice::Unbuffered))
        return;
    const QByteArray block(512, 'x');
    while (filler.write(block) == block.size()) {
    }
    while (filler.write("x", 1) == 1) {
    }
    if (leftFree > 0)
        filler.resize(filler.size() - leftFree);
}

bool SmallDisk::MakeReadOnly() const
{
    return m_mounted && mount("quire-test", m_dir.path().toLocal8Bit().constData(), "tmpfs",
                              MS_REMOUNT | MS_RDONLY, nullptr) == 0;
}

QString TempFiles::Write(const QString& name, const std::string& bytes) const
{
    const QString path = Path(name);
    QFile file(path);
    if (file.open(QIODevice::WriteOnly))
        file.write(bytes.data(), static_cast<qint64>(bytes.size()));
    return path;
}

std::string TempFiles::Read(const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return "<missing>";
    return file.readAll().toStdString();
}

std::string SavedList(const CGridListCtrl& grid, const TempFiles& files)
{
    RecordingProgress progress;
    QString error;
    const QString path = files.Path("list.tbw");
    if (!CListWriter(progress).Write(grid, path, TextEncoding::Utf8, error))
        return "<not written: " + error.toStdString() + ">";
    return TempFiles::Read(path);
}

std::string Dump(const CGridListCtrl& grid)
{
    std::string text;
    for (int c = 0; c < grid.GetColumnCount(); ++c)
        text += (c ? "|" : "") + grid.GetColumnName(c);
    for (int r = 0; r < grid.GetItemCount(); ++r) {
        text += "\n";
        for (int c = 0; c < grid.GetColumnCount(); ++c)
            text += (c ? "|" : "") + grid.GetItemText(r, c);
    }
    return text;
}

std::string GridFault(const CGridListCtrl& grid)
{
    const auto fault = [](std::string_view text) {
        return !CellText::IsValidUtf8(text) || text.find_first_of("\t\r\n") != text.npos;
    };
    for (int c = 0; c < grid.GetColumnCount(); ++c) {
        if (fault(grid.GetColumnName(c)))
            return "name " + std::to_string(c) + ": " + grid.GetColumnName(c);
    }
    for (int r = 0; r < grid.GetItemCount(); ++r) {
        for (int c = 0; c < grid.GetColumnCount(); ++c) {
            if (fault(grid.ItemTextView(r, c)))
                return "cell " + std::to_string(r) + "," + std::to_string(c) + ": " +
                       grid.GetItemText(r, c);
        }
    }
    return {};
}

void Fill(CGridListCtrl& grid, const std::vector<std::string>& names,
          const std::vector<std::vector<std::string>>& rows)
{
    for (const std::string& name : names)
        grid.InsertColumn(grid.GetColumnCount(), name);
    for (const auto& row : rows) {
        const int r = grid.InsertItem(grid.GetItemCount(), row.empty() ? "" : row[0]);
        for (std::size_t c = 1; c < row.size(); ++c)
            grid.SetItemText(r, static_cast<int>(c), row[c]);
    }
}

void MarkModified(CTablewrightDoc& doc)
{
    class UnseenStep : public CEditCommand
    {
    public:
        QString Name() const override { return QStringLiteral("Marquer"); }
        bool Apply(CGridListCtrl&) override { return true; }
        bool Revert(CGridListCtrl&) override { return true; }
        std::size_t Cost() const override { return sizeof(*this); }
    };
    doc.Execute(std::make_unique<UnseenStep>());
}

std::vector<DiskSqueeze> DiskSqueezes()
{
    const auto fillLeaving = [](qint64 leftFree) {
        return [leftFree](const SmallDisk& disk) {
            disk.Fill(leftFree);
            return true;
        };
    };
    return {
        {"full", fillLeaving(0), "le disque est plein."},
        {"nearly full", fillLeaving(12 * 1024), "le disque est plein."},
        {"read-only", &SmallDisk::MakeReadOnly, "le disque est en lecture seule."},
    };
}
