#pragma once

#include <QString>

#include <optional>
#include <string_view>

// Cells read as numbers, as people type them in French or in English:
// "1 234,5", "1234.5", "-3", "+0,25", "1,5e3". A comma or a point marks the
// decimals; thousands are grouped by threes with a space, a no-break space
// or a narrow no-break space, never with a comma or a point, so "1,234" is
// one and some thousandths in either language. A sign (also "−") may come
// first and spaces around the number are ignored; anything else makes the
// cell no number.
struct CellNumber
{
    double value = 0;
    int decimals = 0; // digits written after the decimal mark
};

std::optional<CellNumber> ReadNumber(std::string_view cell);

// A number as French writes it: thousands apart by no-break spaces, a comma
// before the decimals, at most decimals of them, trailing zeros dropped.
QString FrenchNumber(double value, int decimals);
