#pragma once

#include <string_view>

// The token with the 0-based number index of text split at every character
// of delimiters. A run of delimiters counts as one separator and delimiters
// at either end make no token, so tokens are never empty; the empty text
// means there is no such token.
std::string_view GetToken(std::string_view text, int index, std::string_view delimiters);

// Walks the same tokens as GetToken with rising indices, in one pass.
class CTokenSplitter
{
public:
    CTokenSplitter(std::string_view text, char delimiter) : m_text(text), m_delimiter(delimiter) {}
    // The next token, or false when none is left.
    bool Next(std::string_view& token);

private:
    std::string_view m_text;
    char m_delimiter;
    std::size_t m_pos = 0;
};
