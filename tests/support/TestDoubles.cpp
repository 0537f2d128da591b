#include "TestDoubles.h"

#include <QFile>

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
