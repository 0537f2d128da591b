#pragma once

#include "edit/TextMatch.h"

#include <optional>
#include <string>
#include <vector>

class CGridListCtrl;

// What a row filter keeps: the rows holding a cell that matches the text by
// Find's rules ("Respecter la casse", "Mot entier seulement"), in one
// column or in any.
struct RowFilter
{
    std::string text; // UTF-8; empty keeps every row
    int column = -1;  // -1: every column
    bool matchCase = false;
    bool wholeCell = false;
};

// True when a cell of the row matches.
bool RowMatches(const CGridListCtrl& grid, int row, const CTextMatcher& matcher);

// The rows the filter keeps, in list order.
std::vector<int> MatchingRows(const CGridListCtrl& grid, const RowFilter& filter);

// The rows whose cell in the current column is the current cell's very
// text (whole cell, case respected); none for an empty or no current cell.
std::optional<RowFilter> CurrentValueFilter(const CGridListCtrl& grid);

// Shows only the rows the filter keeps; an empty text shows every row.
void ApplyFilter(CGridListCtrl& grid, const RowFilter& filter);
