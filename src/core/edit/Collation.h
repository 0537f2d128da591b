#pragma once

#include <string>
#include <string_view>

// Sort keys for French alphabetical order: two texts compare as their keys
// do byte by byte (memcmp, a shorter key before a longer one it starts).
//
// Letters are compared first without their accents and case ("é" as "e",
// "Œ" as "oe"), then by their accents from the first letter on (none first,
// then acute, grave, circumflex, diaeresis, ...), then by case, lower case
// first: andré, bob, Émile, Éric, Zoe, zoé. Spaces and punctuation come
// before digits, digits before letters, Latin letters before other
// scripts. With digit runs by value, "ligne2" comes before "ligne10" and
// "007" ties with "7".
namespace Collation {

enum class Digits
{
    AsText,
    ByValue
};

// Appends the key of text, valid UTF-8, to out.
void AppendKey(std::string& out, std::string_view text, Digits digits);

} // namespace Collation
