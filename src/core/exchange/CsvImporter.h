#pragma once

#include <string_view>

class CGridListCtrl;
class CTextSource;
class IProgress;

// Fills an empty grid from a CSV file, read record by record in RFC 4180
// fashion. The first record names the columns (withHeader) or only sets
// their number, the columns being called "Column 1", "Column 2", ...
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

private:
    IProgress& m_progress;
};
