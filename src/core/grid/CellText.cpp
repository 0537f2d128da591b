#include "grid/CellText.h"

#include <QByteArrayView>
#include <QString>

#include <cstdint>
#include <cstring>

namespace CellText {

namespace {

bool IsBreak(char c)
{
    return c == '\t' || c == '\r' || c == '\n';
}

} // namespace

// True when some byte is below 0x0E, tested eight bytes at a time: every
// text entering the grid passes here, and nearly all hold no such byte.
bool HasControlByte(std::string_view text)
{
    constexpr std::uint64_t kOnes = 0x0101010101010101ULL;
    constexpr std::uint64_t kHighBits = 0x8080808080808080ULL;
    const char* p = text.data();
    std::size_t left = text.size();
    for (; left >= 8; p += 8, left -= 8) {
        std::uint64_t word;
        std::memcpy(&word, p, 8);
        if ((word - kOnes * 0x0E) & ~word & kHighBits)
            return true;
    }
    for (; left > 0; ++p, --left) {
        if (static_cast<unsigned char>(*p) < 0x0E)
            return true;
    }
    return false;
}

bool NeedsCleaning(std::string_view text)
{
    if (!HasControlByte(text))
        return false;
    for (const char c : text) {
        if (IsBreak(c))
            return true;
    }
    return false;
}

void AppendClean(std::string& out, std::string_view text)
{
    if (!NeedsCleaning(text)) {
        out.append(text);
        return;
    }
    for (std::size_t i = 0; i < text.size(); ++i) {
        const char c = text[i];
        if (!IsBreak(c)) {
            out.push_back(c);
            continue;
        }
        if (c == '\r' && i + 1 < text.size() && text[i + 1] == '\n')
            ++i;
        out.push_back(' ');
    }
}

std::string Clean(std::string_view text)
{
    std::string out;
    out.reserve(text.size());
    AppendClean(out, text);
    if (!IsValidUtf8(out))
        out = QString::fromUtf8(out.data(), static_cast<qsizetype>(out.size())).toStdString();
    return out;
}

bool IsValidUtf8(std::string_view text)
{
    return QByteArrayView(text.data(), static_cast<qsizetype>(text.size())).isValidUtf8();
}

std::string_view Utf8Prefix(std::string_view text, int maxChars)
{
    int chars = 0;
    for (std::size_t i = 0; i < text.size(); ++i) {
        const auto byte = static_cast<unsigned char>(text[i]);
        const bool continuation = (byte & 0xC0) == 0x80;
        if (!continuation && chars++ == maxChars)
            return text.substr(0, i);
    }
    return text;
}

} // namespace CellText
