#pragma once

#include "edit/TextMatch.h"

#include <optional>
#include <string>
#include <vector>

class CGridListCtrl;

// What a row filter keeps: the rows holding a cell that matches the text by
// Find's rules ("Respecter la casse", "Mot entier seulement", "Expression
// régulière"), in one column or in any.
struct RowFilter
{
    std::string text; // UTF-8; empty keeps every row
    int column = -1;  // -1: every column
    bool matchCase = false;
    bool wholeCell = false;
    bool regex = false;
};

// The rows a filter keeps, in list order, unless its pattern failed (see
// CTextMatcher::Failure): then no rows, and why.
struct FilteredRows
{
    std::vector<int> rows;
    QString failure;
};

// True when a cell of the row matches.
bool RowMatches(const CGridListCtrl& grid, int row, const CTextMatcher& matcher);

FilteredRows MatchingRows(const CGridListCtrl& grid, const RowFilter& filter);

// The rows whose cell in the current column is the current cell's very
// text (whole cell, case respected); none for an empty or no current cell.
std::optional<RowFilter> CurrentValueFilter(const CGridListCtrl& grid);

// Shows only the rows the filter keeps; an empty text shows every row. A
// pattern that fails changes nothing: its failure is returned, and is
// empty when the filter was applied.
QString ApplyFilter(CGridListCtrl& grid, const RowFilter& filter);
