// Any bytes imported as CSV, with and without a header record, must give a
// list that keeps the grid's rules and survives saving and reloading; opened
// as a document and saved unchanged, they must come back byte for byte.
#include "FuzzSupport.h"
#include "GridInvariants.h"

#include "exchange/CsvImporter.h"
#include "grid/GridListCtrl.h"

#include <algorithm>

namespace {

// Read by two threads, the second from the line start after the middle,
// the file gives the list, the records' lines and the rows' origins that
// one reader gives, whether the split fell between records or not.
void CheckReadInParts(std::string_view input, bool withHeader)
{
    const QString path = Fuzz::WriteScratch(QStringLiteral("parts.csv"), input);
    CGridListCtrl whole;
    CsvFound wholeFound;
    Fuzz::ImportCsv(path, whole, withHeader, 1, &wholeFound);
    CGridListCtrl split;
    CsvFound splitFound;
    Fuzz::ImportCsv(path, split, withHeader, 2, &splitFound);
    std::string difference = Fuzz::ListDifference(whole, split);
    if (difference.empty() && wholeFound.rowLines != splitFound.rowLines)
        difference = "the records' lines";
    for (int r = 0; difference.empty() && r < whole.GetItemCount(); ++r) {
        if (whole.RowOrigin(r) != split.RowOrigin(r))
            difference = "the origin of row " + std::to_string(r);
    }
    if (!difference.empty())
        Fuzz::Fail("a CSV file read in two parts differs", difference);
}

} // namespace

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
        CheckReadInParts(Fuzz::Bytes(data, size), withHeader);
    }
    return result;
}
