#include "edit/TextCase.h"

#include <QChar>

#include <algorithm>

namespace TextCase {

namespace {

char UpperAscii(char c)
{
    return c >= 'a' && c <= 'z' ? static_cast<char>(c - 'a' + 'A') : c;
}

// The character starting at text[at] (at most four bytes of valid UTF-8)
// and its length in bytes.
char32_t Decode(std::string_view text, std::size_t at, std::size_t& length)
{
    const auto lead = static_cast<unsigned char>(text[at]);
    length = lead >= 0xF0 ? 4 : lead >= 0xE0 ? 3 : 2;
    length = std::min(length, text.size() - at);
    char32_t code = lead & (0x7F >> length);
    for (std::size_t i = 1; i < length; ++i)
        code = (code << 6) | (static_cast<unsigned char>(text[at + i]) & 0x3F);
    return code;
}

void Encode(std::string& out, char32_t code)
{
    if (code < 0x80) {
        out.push_back(static_cast<char>(code));
    } else if (code < 0x800) {
        out.push_back(static_cast<char>(0xC0 | (code >> 6)));
        out.push_back(static_cast<char>(0x80 | (code & 0x3F)));
    } else if (code < 0x10000) {
        out.push_back(static_cast<char>(0xE0 | (code >> 12)));
        out.push_back(static_cast<char>(0x80 | ((code >> 6) & 0x3F)));
        out.push_back(static_cast<char>(0x80 | (code & 0x3F)));
    } else {
        out.push_back(static_cast<char>(0xF0 | (code >> 18)));
        out.push_back(static_cast<char>(0x80 | ((code >> 12) & 0x3F)));
        out.push_back(static_cast<char>(0x80 | ((code >> 6) & 0x3F)));
        out.push_back(static_cast<char>(0x80 | (code & 0x3F)));
    }
}

} // namespace

bool IsAscii(std::string_view text)
{
    return std::all_of(text.begin(), text.end(),
                       [](char c) { return static_cast<unsigned char>(c) < 0x80; });
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
        const char32_t code = Decode(text, at, length);
        Encode(out, QChar::toUpper(code));
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
