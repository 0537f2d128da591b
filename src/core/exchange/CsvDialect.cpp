#include "exchange/CsvDialect.h"

#include "resources/StringTable.h"

#include <algorithm>
#include <map>
#include <vector>

namespace {

constexpr char kQuote = '"';
// Enough records to see a file's shape, few enough to cost nothing.
constexpr int kSampleRecords = 50;

// One field as the CSV reader splits it: where it ends, and whether it was
// quoted.
struct SampledField
{
    std::size_t end;
    bool quoted;
    bool empty;
};

// Reads the field starting at i as the reader would (a quote at its start
// opens it; two quotes inside stand for one; a quote before the separator,
// a line end or the end closes it) and returns where it ends: at its
// separator or line end. An unclosed quote makes the field plain text.
SampledField ScanField(std::string_view text, std::size_t i, char separator)
{
    if (i < text.size() && text[i] == kQuote) {
        std::size_t at = i + 1;
        for (;;) {
            const std::size_t quote = text.find(kQuote, at);
            if (quote == std::string_view::npos)
                break;
            const std::size_t next = quote + 1;
            if (next >= text.size() || text[next] == separator || text[next] == '\n')
                return {next, true, next == i + 2};
            at = next + (text[next] == kQuote ? 1 : 0);
        }
    }
    std::size_t end = i;
    while (end < text.size() && text[end] != separator && text[end] != '\n')
        ++end;
    return {end, false, end == i};
}

// Calls take(fieldCount) for each non-blank record of the sample.
template <typename Take> void ForEachRecord(std::string_view sample, char separator, Take take)
{
    std::size_t i = 0;
    int records = 0;
    while (i < sample.size() && records < kSampleRecords) {
        if (sample[i] == '\n') {
            ++i;
            continue;
        }
        int fields = 0;
        for (;;) {
            const SampledField field = ScanField(sample, i, separator);
            ++fields;
            i = field.end;
            if (i >= sample.size() || sample[i] == '\n')
                break;
            ++i;
        }
        take(fields);
        ++records;
    }
}

// How well separator splits the sample: the share of records holding the
// most common number of fields, and that number (0 when under two).
std::pair<double, int> Consistency(std::string_view sample, char separator)
{
    std::map<int, int> counts;
    int records = 0;
    ForEachRecord(sample, separator, [&](int fields) {
        ++counts[fields];
        ++records;
    });
    int common = 0;
    int often = 0;
    for (const auto& [fields, times] : counts) {
        if (times >= often) {
            common = fields;
            often = times;
        }
    }
    if (common < 2)
        return {0.0, 0};
    return {static_cast<double>(often) / records, common};
}

} // namespace

namespace CsvDialects {

std::optional<char> NamedSeparator(std::string_view line)
{
    constexpr std::string_view kPrefix = "sep=";
    if (line.size() != kPrefix.size() + 1 || !line.starts_with(kPrefix))
        return std::nullopt;
    const char separator = line.back();
    const auto byte = static_cast<unsigned char>(separator);
    if (byte == 0 || byte >= 0x80 || separator == kQuote)
        return std::nullopt;
    return separator;
}

char FindSeparator(std::string_view sample, char fallback)
{
    char best = fallback;
    std::pair<double, int> bestScore{0.0, 0};
    for (const char candidate : kCandidates) {
        const std::pair<double, int> score = Consistency(sample, candidate);
        if (score.second > 0 && score > bestScore) {
            best = candidate;
            bestScore = score;
        }
    }
    return best;
}

CsvDialect::Quoting FindQuoting(std::string_view sample, char separator)
{
    bool anyQuoted = false;
    bool bareText = false;
    bool bareEmpty = false;
    std::size_t i = 0;
    int records = 0;
    while (i < sample.size() && records < kSampleRecords && !bareText) {
        if (sample[i] == '\n') {
            ++i;
            continue;
        }
        for (;;) {
            const SampledField field = ScanField(sample, i, separator);
            anyQuoted = anyQuoted || field.quoted;
            bareText = bareText || (!field.quoted && !field.empty);
            bareEmpty = bareEmpty || (!field.quoted && field.empty);
            i = field.end;
            if (i >= sample.size() || sample[i] == '\n')
                break;
            ++i;
        }
        ++records;
    }
    if (!anyQuoted || bareText)
        return CsvDialect::Quoting::AsNeeded;
    return bareEmpty ? CsvDialect::Quoting::AllButEmpty : CsvDialect::Quoting::All;
}

int CountFields(std::string_view record, char separator)
{
    int fields = 0;
    std::size_t i = 0;
    for (;;) {
        ++fields;
        i = ScanField(record, i, separator).end;
        if (i >= record.size() || record[i] == '\n')
            return fields;
        ++i;
    }
}

std::string_view LineEndText(CsvDialect::LineEnd lineEnd)
{
    switch (lineEnd) {
    case CsvDialect::LineEnd::Lf:
        return "\n";
    case CsvDialect::LineEnd::Cr:
        return "\r";
    case CsvDialect::LineEnd::CrLf:
        break;
    }
    return "\r\n";
}

QString EncodingName(TextEncoding encoding, bool byteOrderMark)
{
    QString name;
    switch (encoding) {
    case TextEncoding::Utf8:
        name = QStringLiteral("UTF-8");
        break;
    case TextEncoding::Windows1252:
        return QStringLiteral("Windows-1252");
    case TextEncoding::Utf16Le:
        name = QStringLiteral("UTF-16 LE");
        break;
    case TextEncoding::Utf16Be:
        name = QStringLiteral("UTF-16 BE");
        break;
    }
    return byteOrderMark ? QString::fromUtf8(Strings::kWithByteOrderMark).arg(name) : name;
}

QString SeparatorName(char separator)
{
    return separator == '\t' ? QString::fromUtf8(Strings::kTabName)
                             : QString(QLatin1Char(separator));
}

QString Describe(const CsvDialect& dialect, const QString& kind)
{
    static const char* const kLineEnds[] = {"CRLF", "LF", "CR"};
    return QStringLiteral("%1 %2 · %3 · %4")
        .arg(kind, SeparatorName(dialect.separator),
             EncodingName(dialect.encoding, dialect.byteOrderMark),
             QLatin1String(kLineEnds[static_cast<int>(dialect.lineEnd)]));
}

} // namespace CsvDialects
