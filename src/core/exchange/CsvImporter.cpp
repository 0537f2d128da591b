#include "exchange/CsvImporter.h"

#include "exchange/CsvParser.h"
#include "grid/GridListCtrl.h"
#include "io/TextSource.h"
#include "platform/Progress.h"
#include "resources/StringTable.h"

#include <QString>

#include <optional>
#include <string>
#include <vector>

void CCsvImporter::AddNumberedColumns(CGridListCtrl& grid, std::size_t count)
{
    const auto before = static_cast<std::size_t>(grid.GetColumnCount());
    if (count <= before)
        return;
    std::vector<std::string> names;
    names.reserve(count - before);
    for (std::size_t number = before + 1; number <= count; ++number) {
        names.push_back(QString::fromUtf8(Strings::kCsvColumnName)
                            .arg(static_cast<qulonglong>(number))
                            .toStdString());
    }
    // At the end, after every stored cell: no row is touched.
    grid.InsertColumns(grid.GetColumnCount(), names);
}

namespace {

// Where the records start and how they are written.
struct CsvLayout
{
    char separator = ',';
    bool named = false;
    CsvDialect::Quoting quoting = CsvDialect::Quoting::AsNeeded;
    std::uint64_t linesBefore = 0;
};

constexpr int kSampleLines = 50;
constexpr std::size_t kSampleBytes = 1 << 16;

bool IsBlank(std::string_view line)
{
    return line.find_first_not_of(" \t\v\f") == std::string_view::npos;
}

// The first lines from line on, joined by LF: enough to see the file's
// shape.
std::string Sample(CTextSource& source, std::string_view line, bool more)
{
    std::string sample;
    for (int lines = 0; more && lines < kSampleLines && sample.size() < kSampleBytes; ++lines) {
        sample.append(line);
        sample.push_back('\n');
        more = source.ReadLine(line);
    }
    return sample;
}

CsvLayout ReadLayout(CTextSource& source, char separator)
{
    CsvLayout layout;
    std::string_view line;
    bool more = source.ReadLine(line);
    const std::optional<char> named = more ? CsvDialects::NamedSeparator(line) : std::nullopt;
    if (named) {
        layout.separator = *named;
        layout.named = true;
        ++layout.linesBefore;
        more = source.ReadLine(line);
    }
    while (more && IsBlank(line)) {
        ++layout.linesBefore;
        more = source.ReadLine(line);
    }
    const std::string sample = Sample(source, line, more);
    if (!named)
        layout.separator = separator != 0 ? separator : CsvDialects::FindSeparator(sample);
    layout.quoting = CsvDialects::FindQuoting(sample, layout.separator);
    return layout;
}

void CreateColumns(CGridListCtrl& grid, const CsvRecord& fields, bool named)
{
    if (!named) {
        CCsvImporter::AddNumberedColumns(grid, fields.size());
        return;
    }
    std::vector<std::string> names;
    names.reserve(fields.size());
    for (std::size_t i = 0; i < fields.size(); ++i)
        names.emplace_back(fields[i]);
    grid.InsertColumns(0, names);
}

void AppendRecord(CGridListCtrl& grid, const CsvRecord& fields, RowBuilder& row,
                  std::uint32_t origin)
{
    CCsvImporter::AddNumberedColumns(grid, fields.size());
    if (fields.IsClean()) {
        row.AddCleanCells(fields.Joined(), static_cast<int>(fields.size()));
    } else {
        for (std::size_t f = 0; f < fields.size(); ++f)
            row.AddCell(fields[f]);
    }
    grid.AppendRow(row, origin);
}

void NoteLayout(const CsvLayout& layout, bool withHeader, CsvFound& found)
{
    found.dialect.separator = layout.separator;
    found.dialect.sepLine = layout.named;
    found.dialect.quoting = layout.quoting;
    found.dialect.header = withHeader;
    found.firstRecordLine = layout.linesBefore;
    found.rowLines.clear();
}

} // namespace

bool CCsvImporter::Read(CTextSource& source, CGridListCtrl& grid, bool withHeader, char separator,
                        CsvFound* found)
{
    if (!source.ReadAsForeignText())
        return false;
    const CsvLayout layout = ReadLayout(source, separator);
    if (found)
        NoteLayout(layout, withHeader, *found);

    CCsvParser parser;
    parser.SetQuote('"', CCsvParser::CSV_UNQUOTE);
    parser.SetSeparator(layout.separator);
    parser.SetLineEnd('\n');
    parser.SetLinesBefore(static_cast<int>(layout.linesBefore));
    if (!parser.Open(&source))
        return false;

    ProgressReporter progress(m_progress);
    const ScopedRedrawSuspension suspended(grid);
    bool first = true;
    RowBuilder row;
    CsvRecord fields;
    while (parser.HasMore()) {
        const std::uint64_t line = parser.LinesRead();
        parser.ReadRecord(fields);
        if (first) {
            first = false;
            CreateColumns(grid, fields, withHeader);
            if (withHeader)
                continue;
        }
        if (fields.empty())
            continue;
        std::uint32_t origin = 0;
        if (found) {
            found->rowLines.push_back(line);
            origin = static_cast<std::uint32_t>(found->rowLines.size());
        }
        AppendRecord(grid, fields, row, origin);
        progress.Update(source.Position(), source.Size());
    }
    return !source.HadError();
}
