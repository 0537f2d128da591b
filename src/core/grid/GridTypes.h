#pragma once

#include <cstddef>
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

// The order that undoes order, as PermuteRows and PermuteColumns take
// them: what moved from order[k] to k goes back from k to order[k].
inline std::vector<int> InverseOrder(const std::vector<int>& order)
{
    std::vector<int> inverse(order.size());
    for (std::size_t k = 0; k < order.size(); ++k)
        inverse[order[k]] = static_cast<int>(k);
    return inverse;
}

// A cell, row first; -1 stands for none.
struct GridCell
{
    int row = -1;
    int column = -1;
    friend bool operator==(const GridCell&, const GridCell&) = default;
};

// A rectangle of cells, its corners included; empty when bottom < top or
// right < left.
struct CellRange
{
    int top = 0;
    int left = 0;
    int bottom = -1;
    int right = -1;

    bool IsEmpty() const { return bottom < top || right < left; }
    int RowCount() const { return IsEmpty() ? 0 : bottom - top + 1; }
    int ColumnCount() const { return IsEmpty() ? 0 : right - left + 1; }
    bool Contains(int row, int column) const
    {
        return row >= top && row <= bottom && column >= left && column <= right;
    }
    friend bool operator==(const CellRange&, const CellRange&) = default;
};
