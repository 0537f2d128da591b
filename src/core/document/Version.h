#pragma once

#include <string>

// The program's version, written into every list document and compared
// with the one a list was written by.
inline constexpr float kProgramVersion = 1.6f;

// The version as text: six decimals, trailing zeros removed, but at least
// one decimal kept (1.6 gives "1.6", 2 gives "2.0").
std::string FormatVersion(float version);
