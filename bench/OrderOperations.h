#pragma once

#include "Measurement.h"

struct BenchFiles;

// The spreadsheet-like commands on the generated list, each readied
// untimed. The sorts sort by the first column in one order: its generated
// text (sort-alpha), French decimals such as "-12 345,67" (sort-number) or
// "ligne" and a number (sort-natural); the bytes are what the history keeps
// for the step. dedupe removes the half of the rows whose first two cells
// repeat an earlier row's; stats counts the numbers of every cell, half of
// them numbers.
namespace OrderOperations {

Measurement SortAlpha(const BenchFiles& files);
Measurement SortNumber(const BenchFiles& files);
Measurement SortNatural(const BenchFiles& files);
Measurement Dedupe(const BenchFiles& files);
Measurement Stats(const BenchFiles& files);

} // namespace OrderOperations
