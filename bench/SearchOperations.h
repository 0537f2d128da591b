#pragma once

#include "Measurement.h"

struct BenchFiles;

// Find and replace-all over the generated list. Find looks for a text no
// cell holds, so it reads every cell; the bytes reported for a replace-all
// are what the history keeps for its step.
namespace SearchOperations {

Measurement FindNothing(const BenchFiles& files);
Measurement ReplaceAll(const BenchFiles& files);
Measurement UndoReplaceAll(const BenchFiles& files);
Measurement RedoReplaceAll(const BenchFiles& files);

} // namespace SearchOperations
