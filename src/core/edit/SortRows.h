#pragma once

#include <vector>

class CGridListCtrl;

// Sorting rows by one column, as a click on the column's header does.
//
// A row's key is its cell in that column, upper-cased by TextCase and
// compared byte by byte as UTF-8, which is code point order with a shorter
// text before any longer one it starts. The order is that of a quicksort
// of rows first..last around the key of the middle row, which never
// exchanges two rows of equal keys: where keys are equal, the order that
// quicksort leaves is the result, so a list sorted twice in a row, or by
// another column first, comes out the same every time.
//
// last -1 stands for the last row. Nothing is sorted, and false returned,
// when the range holds fewer than two rows or lies outside the list, or
// when the column does not exist.

// Sorts the rows in place; the cursor keeps its indexes.
bool SortRows(CGridListCtrl& grid, int column, bool ascending, int first, int last);

// The order SortRows would give, for CGridListCtrl::PermuteRows: row k of
// the sorted list is row order[k] of this one. Empty when nothing is
// sorted.
std::vector<int> SortOrder(const CGridListCtrl& grid, int column, bool ascending, int first,
                           int last);

// The same order for the rows listed, in increasing order, sorted among the
// places they hold; every other row stays where it is. The quicksort runs
// on them as listed, as on a range. Empty when fewer than two are listed
// or the column does not exist.
std::vector<int> SortOrder(const CGridListCtrl& grid, int column, bool ascending,
                           const std::vector<int>& rows);
