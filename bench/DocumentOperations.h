#pragma once

#include "Measurement.h"

struct BenchFiles;

// The generated CSV file opened as a document of its own, and saved back
// with one cell changed: every other row is copied from the file read.
namespace DocumentOperations {

Measurement OpenCsv(const BenchFiles& files);
Measurement SaveCsvOneChange(const BenchFiles& files);

} // namespace DocumentOperations
