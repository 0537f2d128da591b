#pragma once

#include "Measurement.h"

#include <string>
#include <string_view>

struct BenchFiles;

namespace Operations {

// Runs the operation called name on the files of one list size and returns
// what its timed part moved. Throws BenchError when the operation fails and
// std::invalid_argument when there is no such operation.
Measurement Run(std::string_view name, const BenchFiles& files);

// The names Run knows, separated by '|', for the usage text.
std::string Names();

} // namespace Operations
