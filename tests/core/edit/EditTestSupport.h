#pragma once

#include "TestDoubles.h"

#include <string>

// The grid as Dump shows it, followed by the columns' widths: what an undo
// must restore besides names and cells.
inline std::string Shape(const CGridListCtrl& grid)
{
    std::string widths = "\nwidths";
    for (int c = 0; c < grid.GetColumnCount(); ++c)
        widths += " " + std::to_string(grid.GetColumnWidth(c));
    return Dump(grid) + widths;
}

// The current cell, as "cur 1,0".
inline std::string Focus(const CGridListCtrl& grid)
{
    return "cur " + std::to_string(grid.Cursor().CurrentRow()) + "," +
           std::to_string(grid.Cursor().CurrentColumn());
}
