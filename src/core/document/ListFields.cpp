#include "document/ListFields.h"

#include "io/ByteScan.h"
#include "io/TextSink.h"

#include <cctype>
#include <charconv>
#include <limits>

namespace ListFields {

namespace {

std::string_view SkipBlanks(std::string_view text)
{
    while (!text.empty() && std::isspace(static_cast<unsigned char>(text.front())))
        text.remove_prefix(1);
    return text;
}

bool IsContinuation(char c)
{
    return (static_cast<unsigned char>(c) & 0xC0) == 0x80;
}

} // namespace

std::string_view StripEnds(std::string_view text)
{
    if (!text.empty())
        text.remove_prefix(1);
    while (!text.empty() && IsContinuation(text.front()))
        text.remove_prefix(1);
    while (!text.empty() && IsContinuation(text.back()))
        text.remove_suffix(1);
    if (!text.empty())
        text.remove_suffix(1);
    return text;
}

std::string_view DecodeText(std::string_view field, std::string& scratch)
{
    if (field.find('\\') == std::string_view::npos)
        return StripEnds(field);
    scratch.clear();
    for (std::size_t i = 0; i < field.size(); ++i) {
        if (field[i] == '\\' && i + 1 < field.size() && field[i + 1] == '"') {
            scratch.push_back('"');
            ++i;
        } else {
            scratch.push_back(field[i]);
        }
    }
    return StripEnds(scratch);
}

long long DecodeNumber(std::string_view field)
{
    std::string_view text = SkipBlanks(StripEnds(field));
    bool negative = false;
    if (!text.empty() && (text.front() == '+' || text.front() == '-')) {
        negative = text.front() == '-';
        text.remove_prefix(1);
    }
    long long value = 0;
    for (const char c : text) {
        if (c < '0' || c > '9')
            break;
        if (value > (std::numeric_limits<long long>::max() - 9) / 10)
            break;
        value = value * 10 + (c - '0');
    }
    return negative ? -value : value;
}

double DecodeBareNumber(std::string_view field)
{
    std::string_view text = SkipBlanks(field);
    if (!text.empty() && text.front() == '+')
        text.remove_prefix(1);
    double value = 0;
    const auto result = std::from_chars(text.data(), text.data() + text.size(), value);
    return result.ec == std::errc() ? value : 0.0;
}

namespace {

// The TABs and quotes of a row, found sixteen bytes at a time: rows are
// most of a list's bytes, and few of their bytes need escaping.
CByteScan& RowMarks()
{
    thread_local CByteScan scan(std::string_view("\t\""));
    return scan;
}

} // namespace

void WriteRow(CTextSink& sink, std::string_view joined, int columns)
{
    int written = 0;
    if (!joined.empty()) {
        sink.Write('"');
        const CByteScan::Found marks = RowMarks().FindAll(joined);
        std::size_t run = 0;
        for (std::size_t k = 0; k < marks.count; ++k) {
            const std::size_t i = marks.offsets[k];
            sink.Write(joined.substr(run, i - run));
            run = i + 1;
            if (joined[i] == '"') {
                sink.Write(std::string_view("\\\""));
                continue;
            }
            if (i > 0 && joined[i - 1] == '\\')
                sink.Write('\\');
            sink.Write(std::string_view("\"\t\""));
            ++written;
        }
        sink.Write(joined.substr(run));
        if (joined.back() == '\\')
            sink.Write('\\');
        sink.Write(std::string_view("\"\t"));
        ++written;
    }
    for (; written < columns; ++written)
        sink.Write(std::string_view("\"\"\t"));
}

} // namespace ListFields
