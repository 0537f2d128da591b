#pragma once

#include <QString>

#include <functional>
#include <string>
#include <string_view>

class CGridListCtrl;

// The rules every list must keep, whatever file it was read from.
namespace Fuzz {

// True when text is well-formed UTF-8: no overlong form, no surrogate,
// nothing above U+10FFFF, no sequence cut short or left without its lead.
bool IsStrictUtf8(std::string_view text);

// The first way in which the second list differs from the first (columns,
// widths, rows, cells), or the empty text when they are the same list.
std::string ListDifference(const CGridListCtrl& first, const CGridListCtrl& second);

// Aborts unless every column name and cell is strict UTF-8 without TAB, CR
// or LF, and no row holds more cells than there are columns.
void CheckText(const CGridListCtrl& grid);

// Aborts unless the list, saved, reloaded and saved again, gives the same
// list and the same file. The list first gets the empty row that ends every
// list read from a file, when it has none.
void CheckRoundTrip(CGridListCtrl& grid);

// Both of the above.
void CheckList(CGridListCtrl& grid);

// Fills an empty grid from the file at path, as one of the program's readers.
using Reader = std::function<void(const QString& path, CGridListCtrl& grid)>;

// What every fuzz target checks on every input: the list that read makes of
// the input (saved in a file with the given suffix) passes CheckList, and a
// leading byte-order mark makes no difference to it. Returns 0, or -1 when
// the input showed a known fault (see KnownFault): libFuzzer then leaves it
// out of the corpus.
int CheckReader(std::string_view input, const QString& suffix, const Reader& read);

} // namespace Fuzz
