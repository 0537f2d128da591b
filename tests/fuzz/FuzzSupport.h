#pragma once

#include "io/BatchWriter.h"

#include <QString>

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

class CGridListCtrl;
struct CsvFound;

// The entry point libFuzzer calls with every input; each fuzz target
// defines it, and FuzzMain.cpp calls it on saved inputs.
extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size);

// What the fuzz targets share: a scratch folder for the input and the lists
// written from it, the readers run as the program runs them, and the report
// of a broken rule.
namespace Fuzz {

std::string_view Bytes(const std::uint8_t* data, std::size_t size);

// A file in this process's scratch folder, which lives in memory (/dev/shm)
// when the machine has one: every input is written and read several times.
QString ScratchPath(const QString& name);
// Writes bytes to the scratch file name and returns its path.
QString WriteScratch(const QString& name, std::string_view bytes);
std::string ReadFile(const QString& path);

// The readers and the writer on the classes the program uses. The readers
// return whether they read the file to its end. parts: see
// CListReader::SetPartCount.
bool ReadList(const QString& path, CGridListCtrl& grid, int parts = 0);
// parts: see CCsvImporter::SetPartCount; found: see CCsvImporter::Read.
bool ImportCsv(const QString& path, CGridListCtrl& grid, bool withHeader, int parts = 0,
               CsvFound* found = nullptr);
bool ImportText(const QString& path, CGridListCtrl& grid);
// batches: see CListWriter::SetBatches.
void WriteList(const CGridListCtrl& grid, const QString& path,
               const CBatchWriter& batches = CBatchWriter());
// Opens bytes as a CSV or tab-separated document (separator 0 finds it),
// saves it unchanged and fails unless the file is the same bytes.
void CheckWrittenBack(std::string_view bytes, bool withHeader, char separator);

// Bytes as a C string literal, at most limit of them, for failure messages.
std::string Quoted(std::string_view bytes, std::size_t limit = 48);

// The name of a fault, from what Fail is told: lower case, words joined by
// dashes ("text is not valid UTF-8" is text-is-not-valid-utf-8).
std::string FaultName(std::string_view what);

// Thrown by Fail, instead of aborting, for a fault that QUIRE_FUZZ_KNOWN
// names (names separated by spaces): scripts/fuzz sets aside the faults it
// has already kept an input for, so that the run goes on to other ones.
struct KnownFault
{
};

// Prints "quire-fuzz: what: detail" and "quire-fuzz-fault: name" on stderr
// and aborts, so that libFuzzer keeps the input and scripts/fuzz can tell one
// fault from another.
[[noreturn]] void Fail(std::string_view what, std::string_view detail = {});

} // namespace Fuzz
