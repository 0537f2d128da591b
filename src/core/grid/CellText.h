#pragma once

#include <string>
#include <string_view>

// Rules every text obeys before it enters the grid.
namespace CellText {

// True when the text holds a TAB, CR or LF, which the grid never stores.
bool NeedsCleaning(std::string_view text);

// Replaces each TAB, CR LF pair, lone CR and lone LF by one space, so that
// every cell and column name survives a save and reload, and each byte
// sequence that is not UTF-8 by U+FFFD: the grid holds UTF-8 only.
std::string Clean(std::string_view text);

// True when the text is well-formed UTF-8: no stray or missing continuation
// bytes, no overlong forms, no surrogates, nothing beyond U+10FFFF.
bool IsValidUtf8(std::string_view text);

// Appends the text to out with its breaks made spaces. The readers, whose
// text is UTF-8 already, use it without the check of Clean.
void AppendClean(std::string& out, std::string_view text);

// The first maxChars characters (code points) of a UTF-8 text, never cutting
// a character in two.
std::string_view Utf8Prefix(std::string_view text, int maxChars);

// What a display paints and measures of a cell: its first few thousand
// characters, far more than any column shows, so that a cell of megabytes
// costs no more on screen or paper than a long line. Commands, the
// clipboard, the exports and the editor still take the whole text.
inline constexpr int kShownCharacters = 4096;
inline std::string_view ShownPart(std::string_view text)
{
    return Utf8Prefix(text, kShownCharacters);
}

} // namespace CellText
