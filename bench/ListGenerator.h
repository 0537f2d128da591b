#pragma once

#include <string>

class CGridListCtrl;
struct BenchFiles;

namespace ListGenerator {

// Every generated list has this many columns.
inline constexpr int kColumns = 10;

// Replaces the grid's content by rows rows under kColumns named columns.
// Cells hold about 12 bytes of pseudo-random text, the same for every run:
// mostly letters and digits, with blanks, commas, a rare double quote and a
// few accented letters, so that every reader and writer meets its escapes
// and UTF-8.
void Fill(CGridListCtrl& grid, int rows);

// rows rows of kColumns cells like Fill's, as a spreadsheet puts a block on
// the clipboard: cells joined by TAB, each row ended by LF. They are the
// cells of the generated list's first rows.
std::string ClipboardText(int rows);

// Writes one list of files.rows rows as a list document, as CSV with a
// header row and as tab-separated text, through the program's own writers.
void WriteFiles(const BenchFiles& files);

} // namespace ListGenerator
