// Any bytes opened as a list document must give a list that keeps the
// grid's rules and survives saving and reloading.
#include "FuzzSupport.h"
#include "GridInvariants.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    // A file that is not a list may be refused: only the grid is checked.
    return Fuzz::CheckReader(
        Fuzz::Bytes(data, size), QStringLiteral(".tbw"),
        [](const QString& path, CGridListCtrl& grid) { Fuzz::ReadList(path, grid); });
}
