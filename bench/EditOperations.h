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

} // namespace EditOperations
