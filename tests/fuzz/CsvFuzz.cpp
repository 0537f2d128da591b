// Any bytes imported as CSV, with and without a header record, must give a
// list that keeps the grid's rules and survives saving and reloading; opened
// as a document and saved unchanged, they must come back byte for byte.
#include "FuzzSupport.h"
#include "GridInvariants.h"

#include <algorithm>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    int result = 0;
    for (const bool withHeader : {false, true}) {
        const auto import = [withHeader](const QString& path, CGridListCtrl& grid) {
            if (!Fuzz::ImportCsv(path, grid, withHeader))
                Fuzz::Fail("the CSV import stopped before the end of the file");
        };
        result = std::min(
            result, Fuzz::CheckReader(Fuzz::Bytes(data, size), QStringLiteral(".csv"), import));
        Fuzz::CheckWrittenBack(Fuzz::Bytes(data, size), withHeader, 0);
    }
    return result;
}
