#pragma once

#include "exchange/CsvDialect.h"

#include <QtGlobal>

#include <cstddef>
#include <cstdint>
#include <string_view>
#include <vector>

class CGridListCtrl;
class CTextSource;
class IProgress;

// What the CSV reader found of a file besides its cells: its dialect (all
// but what only the file's bytes tell: encoding, line ends), and where on
// the text's lines its records start, so that a document can find each row's
// bytes in the file again.
struct CsvFound
{
    CsvDialect dialect;
    // The line the first record (the names, with a header) starts on: the
    // lines before it are a "sep=" line and blank lines.
    std::uint64_t firstRecordLine = 0;
    // Row k of the grid comes from the record starting on line rowLines[k];
    // the row carries origin k + 1.
    std::vector<std::uint64_t> rowLines;
};

// Fills an empty grid from a CSV file, read record by record in RFC 4180
// fashion. The first record names the columns (withHeader) or only sets
// their number, the columns being called "Column 1", "Column 2", ...; a
// later record with more fields adds columns named so. A first line
// "sep=X" names the separator, otherwise the first records show it (see
// CsvDialects::FindSeparator); blank lines before the first record are
// skipped.
class CCsvImporter
{
public:
    explicit CCsvImporter(IProgress& progress) : m_progress(progress) {}
    // separator 0 finds it. False when the parser refused the stream or the
    // file could not be read to its end. found, when given, tells what the
    // file was, and the rows carry their origins.
    bool Read(CTextSource& source, CGridListCtrl& grid, bool withHeader, char separator = 0,
              CsvFound* found = nullptr);

    // Adds columns at the end until there are count, each named after its
    // number from 1: the imports take every field of a record, however many
    // columns came before it.
    static void AddNumberedColumns(CGridListCtrl& grid, std::size_t count);

    // How many threads read a file: 0 (the default) for two on a machine of
    // two cores or more, one for a small file; 1 for one, 2 for two
    // whatever the file's size (tests read small files so).
    void SetPartCount(int count) { m_partCount = count; }

private:
    int PartsFor(qint64 size) const;

    IProgress& m_progress;
    int m_partCount = 0;
};
