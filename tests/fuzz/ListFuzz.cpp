// Any bytes opened as a list document must give a list that keeps the
// grid's rules and survives saving and reloading.
#include "FuzzSupport.h"
#include "GridInvariants.h"

#include "grid/GridListCtrl.h"

namespace {

// Read in parts, each on its own thread, the file gives the list one
// reader makes of it: names records after rows, rows without columns and
// Windows-1252 bytes in a later part included.
void CheckReadInParts(const QString& path, const CGridListCtrl& whole)
{
    for (const int parts : {2, 3, 7}) {
        CGridListCtrl split;
        Fuzz::ReadList(path, split, parts);
        const std::string difference = Fuzz::ListDifference(whole, split);
        if (!difference.empty())
            Fuzz::Fail("a list read in parts differs", std::to_string(parts) + ": " + difference);
    }
}

// Formatted by several threads in batches of a row or two, the list is
// written as one thread writes it.
void CheckWrittenInParts(const CGridListCtrl& grid)
{
    const QString whole = Fuzz::ScratchPath(QStringLiteral("whole.tbw"));
    const QString split = Fuzz::ScratchPath(QStringLiteral("split.tbw"));
    Fuzz::WriteList(grid, whole, CBatchWriter(1));
    Fuzz::WriteList(grid, split, CBatchWriter(3, 16, 2));
    if (Fuzz::ReadFile(whole) != Fuzz::ReadFile(split))
        Fuzz::Fail("a list written by several threads differs");
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    // A file that is not a list may be refused: only the grid is checked.
    const std::string_view input = Fuzz::Bytes(data, size);
    const int result = Fuzz::CheckReader(
        input, QStringLiteral(".tbw"),
        [](const QString& path, CGridListCtrl& grid) { Fuzz::ReadList(path, grid); });
    if (result == 0) {
        const QString path = Fuzz::WriteScratch(QStringLiteral("parts.tbw"), input);
        CGridListCtrl whole;
        Fuzz::ReadList(path, whole, 1);
        CheckReadInParts(path, whole);
        CheckWrittenInParts(whole);
    }
    return result;
}
