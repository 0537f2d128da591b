#pragma once

#include <QString>

struct BenchFiles;

// Lists whose shape once cost more than linear time to read, each about as
// many bytes as the generated list of the same size:
// - wide_N.txt and wide_N.tbw: kWideRows rows of N / kWideRows * 10 columns,
//   the names in one record;
// - late_N.tbw: N rows under 10 columns, then a second H record of
//   kLateColumns names, which go in before the columns there;
// - stray_N.csv: N rows of 10 fields whose first field opens a quote that
//   never closes.
namespace ShapeGenerator {

inline constexpr int kWideRows = 10;
inline constexpr int kLateColumns = 100;

int WideColumns(int rows);
// Writes to out the list document in, its row records repeated until there
// are at least rows of them.
void WriteRepeatedList(const QString& in, const QString& out, int rows);
void WriteFiles(const BenchFiles& files);

} // namespace ShapeGenerator
