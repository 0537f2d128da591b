#include "DocumentOperations.h"

#include "BenchFiles.h"
#include "ScriptedHost.h"

namespace DocumentOperations {

namespace {

void OpenCsvDocument(BenchDocument& list, const BenchFiles& files)
{
    Require(list.doc.OpenDocumentFile(files.Input("csv")), "opening the CSV document failed");
    Require(list.Grid().GetItemCount() >= files.rows, "the CSV document has too few rows");
}

} // namespace

Measurement OpenCsv(const BenchFiles& files)
{
    BenchDocument list;
    const Stopwatch watch;
    OpenCsvDocument(list, files);
    return {FileSize(files.Input("csv")), watch.Seconds()};
}

// The change is in the middle row; the file is written beside the one read.
Measurement SaveCsvOneChange(const BenchFiles& files)
{
    BenchDocument list;
    OpenCsvDocument(list, files);
    list.Grid().SetItemText(files.rows / 2, 1, "changé");
    const QString out = files.Output("csv");
    const Stopwatch watch;
    const bool done = list.doc.OnSaveDocument(out);
    const double seconds = watch.Seconds();
    Require(done, "saving " + out.toStdString() + " failed");
    return {FileSize(out), seconds};
}

} // namespace DocumentOperations
