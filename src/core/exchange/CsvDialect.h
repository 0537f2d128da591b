#pragma once

#include "io/TextEncoding.h"

#include <QString>

#include <optional>
#include <string>
#include <string_view>
#include <vector>

// How a CSV or tab-separated file is written: what its reader found, so
// that Save writes the file back the way it came.
struct CsvDialect
{
    enum class Quoting
    {
        // Only the fields that hold the separator, a quote or a line break.
        AsNeeded,
        // Every field, empty ones included.
        All,
        // Every field that holds text; empty fields stay bare.
        AllButEmpty,
        // Every field but numbers and empty ones, as spreadsheets write
        // text cells quoted.
        AllButNumbers
    };
    enum class LineEnd
    {
        CrLf,
        Lf,
        Cr
    };

    char separator = ',';
    Quoting quoting = Quoting::AsNeeded;
    TextEncoding encoding = TextEncoding::Utf8;
    bool byteOrderMark = false;
    LineEnd lineEnd = LineEnd::CrLf;
    // Whether the last line ends with a line end.
    bool finalLineEnd = true;
    // Whether the file starts with a "sep=X" line naming the separator.
    bool sepLine = false;
    // Whether the first record names the columns.
    bool header = true;

    bool operator==(const CsvDialect&) const = default;
};

namespace CsvDialects {

// The separators a CSV file is looked at for, in the order a tie between
// them is settled: French spreadsheets write ';' and decimal commas, so a
// line like "Montant (€, TTC);Ville" splits into as many fields at either.
inline constexpr char kCandidates[] = {';', '\t', '|', ','};

// The separator a "sep=X" line names; none for any other line. Only a
// one-byte character other than the quote can separate fields.
std::optional<char> NamedSeparator(std::string_view line);

// The candidate that splits the records of sample (the first lines of the
// file, line ends as LF) into the same number of fields, two or more, most
// consistently, quotes respected; fallback when none does.
char FindSeparator(std::string_view sample, char fallback = ',');

// Whether the sample's fields are all quoted, its empty ones too, or all
// but the numbers.
CsvDialect::Quoting FindQuoting(std::string_view sample, char separator);
// True for a number as spreadsheets write it: 12, -3,5, 1.5e3.
bool IsNumber(std::string_view text);
// Whether a field of the dialect is written between quotes.
bool Quotes(const CsvDialect& dialect, std::string_view field);

// The fields of one record, its line end left out, as their text: quotes
// around them dropped and doubled quotes inside made one.
std::vector<std::string> SplitFields(std::string_view record, char separator);

std::string_view LineEndText(CsvDialect::LineEnd lineEnd);

// For the status bar: « CSV ; · UTF-8 avec BOM · CRLF », kind being the
// format's short name.
QString Describe(const CsvDialect& dialect, const QString& kind);
QString EncodingName(TextEncoding encoding, bool byteOrderMark);
QString SeparatorName(char separator);

} // namespace CsvDialects
