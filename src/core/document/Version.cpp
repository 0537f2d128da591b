#include "document/Version.h"

#include <charconv>

std::string FormatVersion(float version)
{
    // std::to_chars ignores the locale: a French desktop must still write 1.6.
    char text[64];
    const auto end = std::to_chars(text, text + sizeof text, static_cast<double>(version),
                                   std::chars_format::fixed, 6)
                         .ptr;
    std::string result(text, end);
    while (!result.empty() && result.back() == '0')
        result.pop_back();
    if (!result.empty() && result.back() == '.')
        result.push_back('0');
    return result;
}
