// Any bytes imported as tab-separated text must give a list that keeps the
// grid's rules and survives saving and reloading.
#include "FuzzSupport.h"
#include "GridInvariants.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    return Fuzz::CheckReader(Fuzz::Bytes(data, size), QStringLiteral(".txt"),
                             [](const QString& path, CGridListCtrl& grid) {
                                 if (!Fuzz::ImportText(path, grid))
                                     Fuzz::Fail(
                                         "the text import stopped before the end of the file");
                             });
}
