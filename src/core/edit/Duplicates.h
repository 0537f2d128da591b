#pragma once

#include <vector>

class CGridListCtrl;
class CTablewrightDoc;

// The rows shown whose cells in columns first..last are those of an earlier
// row shown, in increasing order. Rows whose cells there are all empty are
// no duplicates: they are the rows kept for typing, or rows waiting to be
// filled.
std::vector<int> DuplicateRows(const CGridListCtrl& grid, int first, int last);

namespace GridCommands {

// Deletes the duplicate rows as one step, on every column or, when the
// range spans several columns, on the range's columns, and tells how many
// went.
void RemoveDuplicates(CTablewrightDoc& doc);

} // namespace GridCommands
