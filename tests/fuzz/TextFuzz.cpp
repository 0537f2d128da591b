// Any bytes imported as tab-separated text must give a list that keeps the
// grid's rules and survives saving and reloading; opened as a document and
// saved unchanged, they must come back byte for byte.
#include "FuzzSupport.h"
#include "GridInvariants.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    Fuzz::CheckWrittenBack(Fuzz::Bytes(data, size), true, '\t');
    return Fuzz::CheckReader(Fuzz::Bytes(data, size), QStringLiteral(".txt"),
                             [](const QString& path, CGridListCtrl& grid) {
                                 if (!Fuzz::ImportText(path, grid))
                                     Fuzz::Fail(
                                         "the text import stopped before the end of the file");
                             });
}
