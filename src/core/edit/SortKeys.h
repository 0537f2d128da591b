#pragma once

#include <vector>

class CGridListCtrl;

// The orders a sort can compare cells in.
enum class CellOrder
{
    Text,       // as a header click: upper-cased, code point by code point
    Alphabetic, // French dictionary order (see Collation)
    Numeric,    // by value (see ReadNumber); the cells that are no number after
    Natural     // alphabetic, with digit runs by value: ligne2 before ligne10
};

// One key of a sort: a column, a direction and an order.
struct SortKey
{
    int column = 0;
    bool ascending = true;
    CellOrder order = CellOrder::Alphabetic;
};

// The order rows come in sorted by keys, the first deciding first, for
// CGridListCtrl::PermuteRows: row k of the sorted list is row order[k] of
// this one. rows, in increasing order, are sorted among the places they
// hold; every other row stays. The sort is stable: rows whose keys are
// equal keep their order. Except in Text order, empty cells come last
// whichever the direction, and in Numeric order the cells that are no
// number come after the numbers, sorted alphabetically among themselves.
// Empty when fewer than two rows are listed or a column does not exist.
std::vector<int> SortOrderByKeys(const CGridListCtrl& grid, const std::vector<SortKey>& keys,
                                 const std::vector<int>& rows);
