#pragma once

#include <string>
#include <string_view>

// Upper case for searching and sorting, on the grid's UTF-8 text.
//
// Upper case is taken one character at a time, each character becoming its
// own upper-case letter (Unicode's simple mapping): "é" becomes "É", "ω"
// becomes "Ω". A letter whose upper case is more than one letter stays as
// it is: "ß" (upper case "SS") is still "ß". One character always gives one
// character, so a match found in the upper-cased text lies over exactly as
// many characters of the original, and a search for "strasse" does not
// find "Straße".
namespace TextCase {

bool IsAscii(std::string_view text);

// Appends text, which must be valid UTF-8, upper-cased to out.
void AppendUpper(std::string& out, std::string_view text);
std::string Upper(std::string_view text);

} // namespace TextCase
