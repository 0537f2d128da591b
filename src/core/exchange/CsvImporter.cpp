#include "exchange/CsvImporter.h"

#include "exchange/CsvParser.h"
#include "grid/GridListCtrl.h"
#include "io/TextSource.h"
#include "platform/Progress.h"
#include "resources/StringTable.h"

#include <QString>

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

namespace {

void CreateColumns(CGridListCtrl& grid, const CsvRecord& fields, bool named)
{
    std::vector<std::string> names;
    names.reserve(fields.size());
    for (std::size_t i = 0; i < fields.size(); ++i) {
        names.push_back(named ? std::string(fields[i])
                              : QString::fromUtf8(Strings::kCsvColumnName)
                                    .arg(static_cast<qulonglong>(i + 1))
                                    .toStdString());
    }
    grid.InsertColumns(0, names);
}

} // namespace

bool CCsvImporter::Read(CTextSource& source, CGridListCtrl& grid, bool withHeader)
{
    std::string_view firstLine;
    const char separator = source.ReadLine(firstLine) ? DetectSeparator(firstLine) : ',';

    CCsvParser parser;
    parser.SetQuote('"', CCsvParser::CSV_UNQUOTE);
    parser.SetSeparator(separator);
    parser.SetLineEnd('\n');
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
        if (!fields.empty()) {
            if (fields.IsClean()) {
                row.AddCleanCells(fields.Joined(), static_cast<int>(fields.size()));
            } else {
                for (std::size_t f = 0; f < fields.size(); ++f)
                    row.AddCell(fields[f]);
            }
            grid.AppendRow(row);
        }
        progress.Update(source.Position(), source.Size());
    }
    return !source.HadError();
}
