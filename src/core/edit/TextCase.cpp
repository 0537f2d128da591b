#include "edit/TextCase.h"

#include "edit/Utf8.h"

#include <QChar>

#include <algorithm>
#include <cstdint>
#include <cstring>

namespace TextCase {

namespace {

char UpperAscii(char c)
{
    return c >= 'a' && c <= 'z' ? static_cast<char>(c - 'a' + 'A') : c;
}

} // namespace

// Eight bytes at a time: most texts are ASCII to their end.
bool IsAscii(std::string_view text)
{
    std::uint64_t high = 0;
    std::size_t i = 0;
    for (; i + 8 <= text.size(); i += 8) {
        std::uint64_t word;
        std::memcpy(&word, text.data() + i, sizeof word);
        high |= word;
    }
    for (; i < text.size(); ++i)
        high |= static_cast<unsigned char>(text[i]);
    return (high & 0x8080808080808080ULL) == 0;
}

// A run of ASCII, most of any text, is copied and raised in one sweep.
void AppendUpper(std::string& out, std::string_view text)
{
    out.reserve(out.size() + text.size());
    std::size_t at = 0;
    while (at < text.size()) {
        const auto runEnd =
            std::find_if(text.begin() + static_cast<std::ptrdiff_t>(at), text.end(),
                         [](char c) { return static_cast<unsigned char>(c) >= 0x80; });
        const std::size_t run = static_cast<std::size_t>(runEnd - text.begin()) - at;
        if (run > 0) {
            const std::size_t start = out.size();
            out.append(text.substr(at, run));
            std::transform(out.begin() + static_cast<std::ptrdiff_t>(start), out.end(),
                           out.begin() + static_cast<std::ptrdiff_t>(start), UpperAscii);
            at += run;
            continue;
        }
        std::size_t length = 0;
        const char32_t code = Utf8::Decode(text, at, length);
        Utf8::Append(out, QChar::toUpper(code));
        at += length;
    }
}

std::string Upper(std::string_view text)
{
    std::string out;
    AppendUpper(out, text);
    return out;
}

} // namespace TextCase
