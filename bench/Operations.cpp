#include "Operations.h"

#include "BenchFiles.h"
#include "DocumentOperations.h"
#include "EditOperations.h"
#include "OrderOperations.h"
#include "RangeOperations.h"
#include "ScriptedHost.h"
#include "SearchOperations.h"
#include "ShapeGenerator.h"
#include "document/ListReader.h"

#include <QFileInfo>

#include <stdexcept>
#include <string>

namespace Operations {

namespace {

void RequireRows(BenchDocument& list, const BenchFiles& files, std::string_view what)
{
    Require(list.Grid().GetItemCount() >= files.rows,
            std::string(what) + " gave fewer than " + std::to_string(files.rows) + " rows");
}

// Times read, which fills the empty document from the generated file with
// extension; only the reading is timed, not the setting up or the teardown.
template <typename Read>
Measurement TimeRead(const BenchFiles& files, const char* extension, Read read)
{
    BenchDocument list;
    const QString in = files.Input(extension);
    list.host.SetOpenPath(in);
    const Stopwatch watch;
    const bool done = read(list.doc, in);
    const double seconds = watch.Seconds();
    Require(done, "reading " + in.toStdString() + " failed");
    RequireRows(list, files, "reading " + in.toStdString());
    return {FileSize(in), seconds};
}

// Opens the generated list document, then times write, which writes the
// list to the output file with extension.
template <typename Write>
Measurement TimeWrite(const BenchFiles& files, const char* extension, Write write)
{
    BenchDocument list;
    Require(list.doc.OpenDocumentFile(files.Input("tbw")), "opening the list document failed");
    RequireRows(list, files, "opening the list document");
    const QString out = files.Output(extension);
    list.host.SetSavePath(out);
    const Stopwatch watch;
    const bool done = write(list.doc, out);
    const double seconds = watch.Seconds();
    Require(done, "writing " + out.toStdString() + " failed");
    return {FileSize(out), seconds};
}

// The threads the list reader takes for a file of the given size.
int ReaderThreads(long long bytes)
{
    return CListReader::PartsFor(bytes, 0);
}

Measurement Load(const BenchFiles& files)
{
    Measurement measured = TimeRead(files, "tbw", [](CTablewrightDoc& doc, const QString& in) {
        return doc.OpenDocumentFile(in);
    });
    measured.threads = ReaderThreads(measured.bytes);
    return measured;
}

// Ten million rows, whatever the generated list's size: its rows again and
// again after its first records, made once in the folder.
Measurement Load10m(const BenchFiles& files)
{
    constexpr int kRows = 10'000'000;
    const QString path = files.Named("ten-million", "tbw");
    if (!QFileInfo::exists(path))
        ShapeGenerator::WriteRepeatedList(files.Input("tbw"), path, kRows);
    BenchDocument list;
    list.host.TakeLongestPause();
    const Stopwatch watch;
    const bool done = list.doc.OpenDocumentFile(path);
    const double seconds = watch.Seconds();
    const double longestPause = list.host.TakeLongestPause();
    Require(done && list.Grid().GetItemCount() >= kRows,
            "reading " + path.toStdString() + " failed");
    Measurement measured{FileSize(path), seconds};
    measured.threads = ReaderThreads(measured.bytes);
    measured.rows = kRows;
    measured.longestPause = longestPause;
    return measured;
}

Measurement Save(const BenchFiles& files)
{
    return TimeWrite(files, "tbw", [](CTablewrightDoc& doc, const QString& out) {
        return doc.OnSaveDocument(out);
    });
}

Measurement ImportCsv(const BenchFiles& files)
{
    return TimeRead(files, "csv", [](CTablewrightDoc& doc, const QString& in) {
        return doc.Import(FileFormat::Csv, in);
    });
}

// The text import has no entry taking a path: it asks the file chooser,
// which the host answers.
Measurement ImportText(const BenchFiles& files)
{
    return TimeRead(files, "txt", [](CTablewrightDoc& doc, const QString&) {
        return doc.OnImport(FileFormat::Text);
    });
}

// The export commands ask the file chooser for the output path.
Measurement ExportCsv(const BenchFiles& files)
{
    return TimeWrite(files, "csv", [](CTablewrightDoc& doc, const QString&) {
        return doc.OnExport(FileFormat::Csv);
    });
}

Measurement ExportText(const BenchFiles& files)
{
    return TimeWrite(files, "txt", [](CTablewrightDoc& doc, const QString&) {
        return doc.OnExport(FileFormat::Text);
    });
}

Measurement ExportHtml(const BenchFiles& files)
{
    return TimeWrite(files, "html", [](CTablewrightDoc& doc, const QString&) {
        return doc.OnExport(FileFormat::Html);
    });
}

// Times read on the shaped file stem.ext, then checks the grid's shape.
template <typename Read>
Measurement TimeShapeRead(const BenchFiles& files, const char* stem, const char* extension,
                          int rows, int columns, Read read)
{
    BenchDocument list;
    const QString in = files.Named(stem, extension);
    list.host.SetOpenPath(in);
    const Stopwatch watch;
    const bool done = read(list.doc, in);
    const double seconds = watch.Seconds();
    Require(done, "reading " + in.toStdString() + " failed");
    Require(list.Grid().GetItemCount() >= rows && list.Grid().GetColumnCount() == columns,
            "reading " + in.toStdString() + " gave the wrong shape");
    return {FileSize(in), seconds};
}

Measurement LoadWide(const BenchFiles& files)
{
    return TimeShapeRead(
        files, "wide", "tbw", ShapeGenerator::kWideRows, ShapeGenerator::WideColumns(files.rows),
        [](CTablewrightDoc& doc, const QString& in) { return doc.OpenDocumentFile(in); });
}

Measurement ImportTextWide(const BenchFiles& files)
{
    return TimeShapeRead(
        files, "wide", "txt", ShapeGenerator::kWideRows, ShapeGenerator::WideColumns(files.rows),
        [](CTablewrightDoc& doc, const QString&) { return doc.OnImport(FileFormat::Text); });
}

Measurement LoadLateHeader(const BenchFiles& files)
{
    return TimeShapeRead(
        files, "late", "tbw", files.rows, 10 + ShapeGenerator::kLateColumns,
        [](CTablewrightDoc& doc, const QString& in) { return doc.OpenDocumentFile(in); });
}

Measurement ImportCsvStrayQuotes(const BenchFiles& files)
{
    return TimeShapeRead(
        files, "stray", "csv", files.rows - 1, 10,
        [](CTablewrightDoc& doc, const QString& in) { return doc.Import(FileFormat::Csv, in); });
}

struct Operation
{
    std::string_view name;
    Measurement (*run)(const BenchFiles&);
};

constexpr Operation kOperations[] = {
    {"load", Load},
    {"load-10m", Load10m},
    {"save", Save},
    {"import-csv", ImportCsv},
    {"import-text", ImportText},
    {"export-csv", ExportCsv},
    {"export-text", ExportText},
    {"export-html", ExportHtml},
    {"load-wide", LoadWide},
    {"import-text-wide", ImportTextWide},
    {"load-late-header", LoadLateHeader},
    {"import-csv-stray-quotes", ImportCsvStrayQuotes},
    {"open-csv", DocumentOperations::OpenCsv},
    {"save-csv-one-change", DocumentOperations::SaveCsvOneChange},
    {"undo-delete-column", EditOperations::UndoDeleteColumn},
    {"redo-delete-column", EditOperations::RedoDeleteColumn},
    {"undo-move-row", EditOperations::UndoMoveRow},
    {"redo-move-row", EditOperations::RedoMoveRow},
    {"find", SearchOperations::FindNothing},
    {"replace-all", SearchOperations::ReplaceAll},
    {"replace-regex", SearchOperations::ReplaceRegex},
    {"undo-replace-all", SearchOperations::UndoReplaceAll},
    {"redo-replace-all", SearchOperations::RedoReplaceAll},
    {"filter", SearchOperations::Filter},
    {"clear-filter", SearchOperations::ClearFilter},
    {"sort", EditOperations::Sort},
    {"sort-sorted", EditOperations::SortSorted},
    {"sort-equal", EditOperations::SortEqual},
    {"undo-sort", EditOperations::UndoSort},
    {"redo-sort", EditOperations::RedoSort},
    {"sort-alpha", OrderOperations::SortAlpha},
    {"sort-number", OrderOperations::SortNumber},
    {"sort-natural", OrderOperations::SortNatural},
    {"dedupe", OrderOperations::Dedupe},
    {"stats", OrderOperations::Stats},
    {"paste-block", RangeOperations::PasteBlock},
    {"undo-paste-block", RangeOperations::UndoPasteBlock},
    {"redo-paste-block", RangeOperations::RedoPasteBlock},
    {"paste-block-past-end", RangeOperations::PasteBlockPastEnd},
    {"undo-paste-block-past-end", RangeOperations::UndoPasteBlockPastEnd},
    {"redo-paste-block-past-end", RangeOperations::RedoPasteBlockPastEnd},
    {"copy-range", RangeOperations::CopyRange},
    {"range-delete", RangeOperations::RangeDelete},
    {"undo-range-delete", RangeOperations::UndoRangeDelete},
    {"redo-range-delete", RangeOperations::RedoRangeDelete},
    {"fill-down", RangeOperations::FillDown},
    {"undo-fill-down", RangeOperations::UndoFillDown},
};

} // namespace

Measurement Run(std::string_view name, const BenchFiles& files)
{
    for (const Operation& operation : kOperations) {
        if (operation.name == name)
            return operation.run(files);
    }
    throw std::invalid_argument("unknown operation " + std::string(name));
}

std::string Names()
{
    std::string names;
    for (const Operation& operation : kOperations) {
        if (!names.empty())
            names += '|';
        names += operation.name;
    }
    return names;
}

} // namespace Operations
