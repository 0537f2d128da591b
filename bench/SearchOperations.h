#pragma once

#include "Measurement.h"

struct BenchFiles;

// Find and replace-all over the generated list. Find looks for a text no
// cell holds, so it reads every cell; the bytes reported for a replace-all
// are what the history keeps for its step.
namespace SearchOperations {

Measurement FindNothing(const BenchFiles& files);
Measurement ReplaceAll(const BenchFiles& files);
// Replaces every "1" followed by a letter or digit, by a regular
// expression and a group; about as many rows change as with ReplaceAll.
Measurement ReplaceRegex(const BenchFiles& files);
Measurement UndoReplaceAll(const BenchFiles& files);
Measurement RedoReplaceAll(const BenchFiles& files);
// Shows only the rows holding a text that about 1% of them hold, in any
// column, ignoring case; its bytes are the rows shown. Clearing it after.
Measurement Filter(const BenchFiles& files);
Measurement ClearFilter(const BenchFiles& files);

} // namespace SearchOperations
