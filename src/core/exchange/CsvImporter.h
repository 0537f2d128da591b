#pragma once

#include <cstddef>
#include <string_view>

class CGridListCtrl;
class CTextSource;
class IProgress;

// Fills an empty grid from a CSV file, read record by record in RFC 4180
// fashion. The first record names the columns (withHeader) or only sets
// their number, the columns being called "Column 1", "Column 2", ...; a
// later record with more fields adds columns named so. A first line
// "sep=X" names the separator; blank lines before the first record are
// skipped.
class CCsvImporter
{
public:
    explicit CCsvImporter(IProgress& progress) : m_progress(progress) {}
    // False when the parser refused the stream or the file could not be
    // read to its end.
    bool Read(CTextSource& source, CGridListCtrl& grid, bool withHeader);

    // The separator of a CSV file whose first record is given: a comma,
    // unless that record holds no comma outside quotes but a semicolon, as
    // spreadsheets write for French users.
    static char DetectSeparator(std::string_view firstLine);
    // Adds columns at the end until there are count, each named after its
    // number from 1: the imports take every field of a record, however many
    // columns came before it.
    static void AddNumberedColumns(CGridListCtrl& grid, std::size_t count);

private:
    IProgress& m_progress;
};
