#include "document/ListFields.h"

#include "io/ByteScan.h"

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

// Plain runs of a cell are copied sixteen bytes at a time up to its next
// TAB or quote; the output is sized for the worst case first (every byte a
// TAB or a quote) and cut to what was written.
void WriteRow(std::string& out, std::string_view joined, int columns)
{
    static const CByteScan marks(std::string_view("\t\""));
    const std::size_t start = out.size();
    out.resize(start + 3 * joined.size() + 3 * static_cast<std::size_t>(std::max(columns, 1)) +
               kCopySlack);
    char* p = out.data() + start;
    int written = 0;
    if (!joined.empty()) {
        *p++ = '"';
        for (std::string_view rest = joined;;) {
            const std::size_t run = marks.CopyUntil(rest, p);
            p += run;
            if (run == rest.size())
                break;
            if (rest[run] == '"') {
                p[0] = '\\';
                p[1] = '"';
                p += 2;
            } else {
                // A backslash ending a cell would join its closing quote.
                if (p[-1] == '\\')
                    *p++ = '\\';
                p[0] = '"';
                p[1] = '\t';
                p[2] = '"';
                p += 3;
                ++written;
            }
            rest.remove_prefix(run + 1);
        }
        if (joined.back() == '\\')
            *p++ = '\\';
        p[0] = '"';
        p[1] = '\t';
        p += 2;
        ++written;
    }
    for (; written < columns; ++written) {
        p[0] = '"';
        p[1] = '"';
        p[2] = '\t';
        p += 3;
    }
    out.resize(static_cast<std::size_t>(p - out.data()));
}

} // namespace ListFields
