#pragma once

#include "Measurement.h"

struct BenchFiles;

// The commands on the cursor's range over the generated list, each change
// one step. A block of a tenth of the list's rows is pasted with its top
// left in column 0, at the middle row (paste-block) or half its height
// before the end, so that the other half is appended (paste-block-past-end);
// every cell of the list is emptied (range-delete); the first row is copied
// into every other (fill-down). The bytes reported are what the history
// keeps for the step.
namespace RangeOperations {

Measurement PasteBlock(const BenchFiles& files);
Measurement UndoPasteBlock(const BenchFiles& files);
Measurement RedoPasteBlock(const BenchFiles& files);
Measurement PasteBlockPastEnd(const BenchFiles& files);
Measurement UndoPasteBlockPastEnd(const BenchFiles& files);
Measurement RedoPasteBlockPastEnd(const BenchFiles& files);
Measurement RangeDelete(const BenchFiles& files);
Measurement UndoRangeDelete(const BenchFiles& files);
Measurement RedoRangeDelete(const BenchFiles& files);
Measurement FillDown(const BenchFiles& files);
Measurement UndoFillDown(const BenchFiles& files);

Measurement CopyRange(const BenchFiles& files);

} // namespace RangeOperations
