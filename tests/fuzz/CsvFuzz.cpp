// Any bytes imported as CSV, with and without a header record, must give a
// list that keeps the grid's rules and survives saving and reloading; opened
// as a document and saved unchanged, they must come back byte for byte; and
// the parser's lines split whole must give the fields read field by field.
#include "FuzzSupport.h"
#include "GridInvariants.h"

#include "exchange/CsvImporter.h"
#include "exchange/CsvParser.h"
#include "grid/GridListCtrl.h"
#include "io/TextSource.h"

#include <algorithm>
#include <string>
#include <vector>

namespace {

// Read by two threads, the second from the line start after the middle,
// the file gives the list, the records' lines and the rows' origins that
// one reader gives, whether the split fell between records or not.
void CheckReadInParts(std::string_view input, bool withHeader)
{
    const QString path = Fuzz::WriteScratch(QStringLiteral("parts.csv"), input);
    CGridListCtrl whole;
    CsvFound wholeFound;
    Fuzz::ImportCsv(path, whole, withHeader, 1, &wholeFound);
    CGridListCtrl split;
    CsvFound splitFound;
    Fuzz::ImportCsv(path, split, withHeader, 2, &splitFound);
    std::string difference = Fuzz::ListDifference(whole, split);
    if (difference.empty() && wholeFound.rowLines != splitFound.rowLines)
        difference = "the records' lines";
    for (int r = 0; difference.empty() && r < whole.GetItemCount(); ++r) {
        if (whole.RowOrigin(r) != split.RowOrigin(r))
            difference = "the origin of row " + std::to_string(r);
    }
    if (!difference.empty())
        Fuzz::Fail("a CSV file read in two parts differs", difference);
}

// Each record as its fields and whether it is clean.
std::vector<std::string> ParseRecords(const QString& path, char separator, bool wholeLines)
{
    CTextSource source;
    if (!source.Open(path, CTextSource::Utf8Check::ByReader))
        Fuzz::Fail("cannot open a scratch file", source.ErrorString().toStdString());
    CCsvParser parser;
    parser.SetQuote('"', CCsvParser::CSV_UNQUOTE);
    parser.SetSeparator(separator);
    parser.SetWholeLineSplit(wholeLines);
    parser.Open(&source);
    std::vector<std::string> records;
    CsvRecord record;
    while (parser.HasMore()) {
        parser.ReadRecord(record);
        std::string fields = record.IsClean() ? "clean:" : "unclean:";
        for (std::size_t f = 0; f < record.size(); ++f)
            fields.append(record[f]).append(1, '\0');
        records.push_back(fields);
    }
    return records;
}

// A line split whole gives the fields that reading it field by field gives.
void CheckWholeLines(std::string_view input)
{
    const QString path = Fuzz::WriteScratch(QStringLiteral("lines.csv"), input);
    for (const char separator : {',', ';', '\t'}) {
        if (ParseRecords(path, separator, true) != ParseRecords(path, separator, false))
            Fuzz::Fail("a CSV line split whole differs", std::string(1, separator));
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    CheckWholeLines(Fuzz::Bytes(data, size));
    int result = 0;
    for (const bool withHeader : {false, true}) {
        const auto import = [withHeader](const QString& path, CGridListCtrl& grid) {
            if (!Fuzz::ImportCsv(path, grid, withHeader))
                Fuzz::Fail("the CSV import stopped before the end of the file");
        };
        result = std::min(
            result, Fuzz::CheckReader(Fuzz::Bytes(data, size), QStringLiteral(".csv"), import));
        Fuzz::CheckWrittenBack(Fuzz::Bytes(data, size), withHeader, 0);
        CheckReadInParts(Fuzz::Bytes(data, size), withHeader);
    }
    return result;
}
