#pragma once

#include <string>
#include <string_view>

// The field encodings of a list document.
namespace ListFields {

// A quoted text field: every backslash-quote pair becomes a quote, then the
// first and last characters go. Returns a view of field or of scratch.
std::string_view DecodeText(std::string_view field, std::string& scratch);
// The field without its first and last characters, whole: a letter such as
// "é" is two bytes, and cutting one of them would leave half a character
// behind. DecodeText of a field without a backslash.
std::string_view StripEnds(std::string_view field);

// A quoted number: the enclosing characters go and the rest reads as a
// decimal integer (leading blanks and a sign allowed, 0 without digits).
long long DecodeNumber(std::string_view field);

// A bare decimal number, 0 when unreadable. Independent of the locale.
double DecodeBareNumber(std::string_view field);

// Appends every cell of a joined row (cells separated by TAB) as quoted text
// fields, each followed by a TAB, up to columns fields. A text ending in a
// backslash gets one more, so that the backslash does not join the closing
// quote on reading. A column name is a row of one cell.
void WriteRow(std::string& out, std::string_view joined, int columns);

} // namespace ListFields
