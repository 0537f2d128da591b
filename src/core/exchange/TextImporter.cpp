#include "exchange/TextImporter.h"

#include "exchange/CsvImporter.h"
#include "grid/GridListCtrl.h"
#include "io/TextSource.h"
#include "platform/Progress.h"

#include <string>
#include <string_view>
#include <vector>

namespace {

bool IsSpace(char c)
{
    return c == ' ' || c == '\t' || c == '\r' || c == '\n' || c == '\v' || c == '\f';
}

std::string_view TrimRight(std::string_view text)
{
    while (!text.empty() && IsSpace(text.back()))
        text.remove_suffix(1);
    return text;
}

std::string_view TrimLeft(std::string_view text)
{
    while (!text.empty() && IsSpace(text.front()))
        text.remove_prefix(1);
    return text;
}

// Calls take(field) for every field of the line, split at each TAB. A line
// that starts with a TAB keeps its empty first field, so that its cells stay
// under their columns.
template <typename Take> void ForEachField(std::string_view line, Take take)
{
    for (;;) {
        const std::size_t tab = line.find('\t');
        take(TrimLeft(line.substr(0, tab)));
        if (tab == std::string_view::npos)
            return;
        line.remove_prefix(tab + 1);
    }
}

} // namespace

bool CTextImporter::Read(CTextSource& source, CGridListCtrl& grid)
{
    if (!source.ReadAsForeignText())
        return false;
    ProgressReporter progress(m_progress);
    const ScopedRedrawSuspension suspended(grid);
    bool header = true;
    std::string_view line;
    RowBuilder row;
    while (!source.NotUtf8() && !progress.Stopped() && source.ReadLine(line)) {
        line = TrimRight(line);
        if (line.empty())
            continue;
        if (header) {
            std::vector<std::string> names;
            ForEachField(line, [&names](std::string_view name) { names.emplace_back(name); });
            grid.InsertColumns(grid.GetColumnCount(), names);
            header = false;
        } else {
            // Every CR ended a line, so no cell holds a TAB, CR or LF.
            ForEachField(line, [&row](std::string_view cell) { row.AddCleanCell(cell); });
            CCsvImporter::AddNumberedColumns(grid, static_cast<std::size_t>(row.CellCount()));
            grid.AppendRow(row);
        }
        progress.Update(source.Position(), source.Size());
    }
    return !source.HadError() && !progress.Stopped();
}
