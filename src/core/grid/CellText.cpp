#include "grid/CellText.h"

namespace CellText {

namespace {

bool IsBreak(char c)
{
    return c == '\t' || c == '\r' || c == '\n';
}

} // namespace

bool NeedsCleaning(std::string_view text)
{
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
    return out;
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
