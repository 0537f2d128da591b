#pragma once

#include "Measurement.h"

struct BenchFiles;

// Undo and redo of the list's heaviest edits on the generated list. The
// bytes reported are what the history keeps for the step.
namespace EditOperations {

Measurement UndoDeleteColumn(const BenchFiles& files);
Measurement RedoDeleteColumn(const BenchFiles& files);
Measurement UndoMoveRow(const BenchFiles& files);
Measurement RedoMoveRow(const BenchFiles& files);

// A click on the first column's header: keys, sort, new order and the
// step, on the list as generated, on a list already in that order and on
// one whose column holds the same text in every row.
Measurement Sort(const BenchFiles& files);
Measurement SortSorted(const BenchFiles& files);
Measurement SortEqual(const BenchFiles& files);
Measurement UndoSort(const BenchFiles& files);
Measurement RedoSort(const BenchFiles& files);

} // namespace EditOperations
