#pragma once

#include <QString>

#include <string>
#include <string_view>

class CGridListCtrl;
class IProgress;

// Writes the grid as tab-separated text or as CSV, names first. Empty names
// and cells are written as one blank, lines end with CR LF, the text is
// UTF-8. The file is replaced only when everything was written.
class CTextExporter
{
public:
    explicit CTextExporter(IProgress& progress) : m_progress(progress) {}

    bool WriteText(const CGridListCtrl& grid, const QString& path, QString& error);
    bool WriteCsv(const CGridListCtrl& grid, const QString& path, bool withHeader, QString& error);

private:
    IProgress& m_progress;
};

// How many rows an export writes: every row up to the last one that holds
// text. The empty rows at the end, such as the one every opened list keeps
// for typing, are not part of the table.
int ExportedRowCount(const CGridListCtrl& grid);

// Appends the text between double quotes, each quote inside doubled.
void QuoteField(std::string& out, std::string_view text);
