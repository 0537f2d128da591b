#pragma once

#include <string>
#include <vector>

// A column as carried out of and back into the grid: its name and its width
// in pixels.
struct GridColumn
{
    std::string name;
    int width = 0;
};

// One row as carried out of and back into the grid: position j holds the
// UTF-8 text of the cell in column j.
using GridRow = std::vector<std::string>;

// Width given to every column the program creates.
inline constexpr int kDefaultColumnWidth = 100;

// Column names are kept to this many characters.
inline constexpr int kMaxColumnNameLength = 255;
