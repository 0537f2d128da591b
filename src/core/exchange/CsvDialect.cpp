#include "exchange/CsvDialect.h"

#include "resources/StringTable.h"

#include <algorithm>
#include <map>
#include <utility>
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

// Calls take(field, text, last) for each field of the sample's first
// records, blank lines left out; last tells the record's last field.
template <typename Take> void ForEachField(std::string_view sample, char separator, Take take)
{
    std::size_t i = 0;
    int records = 0;
    while (i < sample.size() && records < kSampleRecords) {
        if (sample[i] == '\n') {
            ++i;
            continue;
        }
        for (;;) {
            const SampledField field = ScanField(sample, i, separator);
            const std::string_view text = sample.substr(i, field.end - i);
            i = field.end;
            const bool last = i >= sample.size() || sample[i] == '\n';
            take(field, text, last);
            if (last)
                break;
            ++i;
        }
        ++records;
    }
}

// How well separator splits the sample: the share of records holding the
// most common number of fields, and that number (0 when under two).
std::pair<double, int> Consistency(std::string_view sample, char separator)
{
    std::map<int, int> counts;
    int records = 0;
    int fields = 0;
    ForEachField(sample, separator, [&](const SampledField&, std::string_view, bool last) {
        ++fields;
        if (!last)
            return;
        ++counts[std::exchange(fields, 0)];
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
    bool bareNumber = false;
    bool bareEmpty = false;
    ForEachField(sample, separator, [&](const SampledField& field, std::string_view text, bool) {
        anyQuoted = anyQuoted || field.quoted;
        if (field.quoted)
            return;
        if (field.empty)
            bareEmpty = true;
        else if (IsNumber(text))
            bareNumber = true;
        else
            bareText = true;
    });
    if (!anyQuoted || bareText)
        return CsvDialect::Quoting::AsNeeded;
    if (bareNumber)
        return CsvDialect::Quoting::AllButNumbers;
    return bareEmpty ? CsvDialect::Quoting::AllButEmpty : CsvDialect::Quoting::All;
}

bool IsNumber(std::string_view text)
{
    std::size_t i = 0;
    const auto digits = [&] {
        const std::size_t from = i;
        while (i < text.size() && text[i] >= '0' && text[i] <= '9')
            ++i;
        return i - from;
    };
    if (i < text.size() && (text[i] == '-' || text[i] == '+'))
        ++i;
    std::size_t mantissa = digits();
    if (i < text.size() && (text[i] == '.' || text[i] == ',')) {
        ++i;
        mantissa += digits();
    }
    if (mantissa == 0)
        return false;
    if (i < text.size() && (text[i] == 'e' || text[i] == 'E')) {
        ++i;
        if (i < text.size() && (text[i] == '-' || text[i] == '+'))
            ++i;
        if (digits() == 0)
            return false;
    }
    return i == text.size();
}

bool Quotes(const CsvDialect& dialect, std::string_view field)
{
    for (const char c : field) {
        if (c == dialect.separator || c == kQuote || c == '\n' || c == '\r')
            return true;
    }
    switch (dialect.quoting) {
    case CsvDialect::Quoting::All:
        return true;
    case CsvDialect::Quoting::AllButEmpty:
        return !field.empty();
    case CsvDialect::Quoting::AllButNumbers:
        return !field.empty() && !IsNumber(field);
    case CsvDialect::Quoting::AsNeeded:
        break;
    }
    return false;
}

std::vector<std::string> SplitFields(std::string_view record, char separator)
{
    std::vector<std::string> fields;
    std::size_t i = 0;
    for (;;) {
        const SampledField field = ScanField(record, i, separator);
        if (field.quoted) {
            const std::string_view inside = record.substr(i + 1, field.end - i - 2);
            std::string text;
            for (std::size_t k = 0; k < inside.size(); ++k) {
                text.push_back(inside[k]);
                if (inside[k] == kQuote && k + 1 < inside.size() && inside[k + 1] == kQuote)
                    ++k;
            }
            fields.push_back(std::move(text));
        } else {
            fields.emplace_back(record.substr(i, field.end - i));
        }
        i = field.end;
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
