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

char CCsvImporter::DetectSeparator(std::string_view firstLine)
{
    bool quoted = false;
    bool semicolon = false;
    for (const char c : firstLine) {
        if (c == '"')
            quoted = !quoted;
        else if (!quoted && c == ',')
            return ',';
        else if (!quoted && c == ';')
            semicolon = true;
    }
    return semicolon ? ';' : ',';
}

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

// Where the records start and what separates their fields.
struct CsvLayout
{
    char separator = ',';
    int linesBefore = 0;
};

// Spreadsheets write "sep=;" as the first line to name the separator. Only
// a one-byte character can separate fields, and never the quote.
std::optional<char> NamedSeparator(std::string_view line)
{
    constexpr std::string_view kPrefix = "sep=";
    if (line.size() != kPrefix.size() + 1 || !line.starts_with(kPrefix))
        return std::nullopt;
    const char separator = line.back();
    const auto byte = static_cast<unsigned char>(separator);
    if (byte == 0 || byte >= 0x80 || separator == '"')
        return std::nullopt;
    return separator;
}

bool IsBlank(std::string_view line)
{
    return line.find_first_not_of(" \t\v\f") == std::string_view::npos;
}

CsvLayout ReadLayout(CTextSource& source)
{
    CsvLayout layout;
    std::string_view line;
    bool more = source.ReadLine(line);
    const std::optional<char> named = more ? NamedSeparator(line) : std::nullopt;
    if (named) {
        layout.separator = *named;
        ++layout.linesBefore;
        more = source.ReadLine(line);
    }
    while (more && IsBlank(line)) {
        ++layout.linesBefore;
        more = source.ReadLine(line);
    }
    if (more && !named)
        layout.separator = CCsvImporter::DetectSeparator(line);
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

void AppendRecord(CGridListCtrl& grid, const CsvRecord& fields, RowBuilder& row)
{
    CCsvImporter::AddNumberedColumns(grid, fields.size());
    if (fields.IsClean()) {
        row.AddCleanCells(fields.Joined(), static_cast<int>(fields.size()));
    } else {
        for (std::size_t f = 0; f < fields.size(); ++f)
            row.AddCell(fields[f]);
    }
    grid.AppendRow(row);
}

} // namespace

bool CCsvImporter::Read(CTextSource& source, CGridListCtrl& grid, bool withHeader)
{
    if (!source.ReadAsForeignText())
        return false;
    const CsvLayout layout = ReadLayout(source);

    CCsvParser parser;
    parser.SetQuote('"', CCsvParser::CSV_UNQUOTE);
    parser.SetSeparator(layout.separator);
    parser.SetLineEnd('\n');
    parser.SetLinesBefore(layout.linesBefore);
    if (!parser.Open(&source))
        return false;

    ProgressReporter progress(m_progress);
    const ScopedRedrawSuspension suspended(grid);
    bool first = true;
    RowBuilder row;
    CsvRecord fields;
    while (parser.HasMore()) {
        parser.ReadRecord(fields);
        if (first) {
            first = false;
            CreateColumns(grid, fields, withHeader);
            if (withHeader)
                continue;
        }
        if (!fields.empty())
            AppendRecord(grid, fields, row);
        progress.Update(source.Position(), source.Size());
    }
    return !source.HadError();
}
