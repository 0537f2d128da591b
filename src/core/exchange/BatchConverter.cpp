#include "exchange/BatchConverter.h"

#include "document/TablewrightDoc.h"
#include "edit/RowFilter.h"
#include "edit/SortKeys.h"
#include "edit/SortRows.h"
#include "resources/StringTable.h"

#include <numeric>

namespace {

// A list read from a file ends with an empty row for typing; the sort
// leaves such rows out, so that a sorted export never starts with blank
// rows.
int LastFilledRow(const CGridListCtrl& grid)
{
    int row = grid.GetItemCount() - 1;
    while (row >= 0 && grid.JoinedRowView(row).empty())
        --row;
    return row;
}

} // namespace

int CBatchConverter::Fail(const QString& message)
{
    std::fprintf(m_errors, "quire: %s\n", qPrintable(message));
    return CCommandLine::kFailure;
}

int CBatchConverter::Run(const CConversion& conversion)
{
    m_conversion = conversion;
    const FileFormatEntry* output = FileFormats::ForPath(m_conversion.out);
    if (!output)
        return Fail(QStringLiteral("type de fichier de sortie inconnu : %1").arg(m_conversion.out));
    if (output->format == FileFormat::Pdf && !m_printPdf)
        return Fail(QStringLiteral("impression en PDF indisponible : %1").arg(m_conversion.out));

    CTablewrightDoc doc(*this, *this);
    doc.OnNewDocument();
    if (!Read(doc))
        return CCommandLine::kFailure;
    // The HTML page is titled with the input's name, whatever it was.
    doc.SetPathName(m_conversion.in);
    if (!FilterList(doc.GetGrid()) || !SortList(doc.GetGrid()))
        return CCommandLine::kFailure;
    return Write(doc, output->format) ? CCommandLine::kSuccess : CCommandLine::kFailure;
}

// A format with an import is imported; any other file is opened as Open
// would, which reads a list and refuses the rest.
bool CBatchConverter::Read(CTablewrightDoc& doc) const
{
    const FileFormatEntry* input = FileFormats::ForPath(m_conversion.in);
    if (input && input->read)
        return doc.Import(input->format, m_conversion.in);
    return doc.OpenDocumentFile(m_conversion.in);
}

// A list is saved, a PDF printed, any other format exported.
bool CBatchConverter::Write(CTablewrightDoc& doc, FileFormat format)
{
    switch (format) {
    case FileFormat::List:
        return doc.DoSave(m_conversion.out);
    case FileFormat::Pdf:
        return WritePdf(doc);
    default:
        return doc.Export(format, m_conversion.out);
    }
}

bool CBatchConverter::WritePdf(const CTablewrightDoc& doc)
{
    QString error;
    if (m_printPdf(doc.GetGrid(), doc.GetTitle(), m_conversion.out, error))
        return true;
    // Said as every other output says it, on one line.
    Fail(QString::fromUtf8(Strings::kCannotWriteFile).arg(m_conversion.out, error).simplified());
    return false;
}

// A column asked for by number (from 1) that the list lacks is told.
bool CBatchConverter::HasColumn(const CGridListCtrl& grid, int column, const char* use)
{
    if (column <= grid.GetColumnCount())
        return true;
    Fail(QStringLiteral("colonne de %1 inexistante : %2 (nombre de colonnes : %3)")
             .arg(QLatin1String(use))
             .arg(column)
             .arg(grid.GetColumnCount()));
    return false;
}

bool CBatchConverter::FilterList(CGridListCtrl& grid)
{
    if (m_conversion.filter.isEmpty())
        return true;
    if (!HasColumn(grid, m_conversion.filterColumn, "filtre"))
        return false;
    const RowFilter filter{m_conversion.filter.toStdString(), m_conversion.filterColumn - 1,
                           m_conversion.matchCase, m_conversion.wholeCell};
    const std::vector<int> kept = MatchingRows(grid, filter).rows;
    std::vector<int> dropped;
    dropped.reserve(static_cast<std::size_t>(grid.GetItemCount()) - kept.size());
    auto next = kept.begin();
    for (int row = 0; row < grid.GetItemCount(); ++row) {
        if (next != kept.end() && *next == row)
            ++next;
        else
            dropped.push_back(row);
    }
    if (!dropped.empty())
        grid.TakeRowSet(dropped);
    return true;
}

// One key in the header's order is a click on the column's header, or for
// descending two clicks: an ascending sort, then a descending sort of what
// it gave. Rows of equal keys keep the order those clicks leave them in.
// Several keys, or another order, make one stable sort.
bool CBatchConverter::SortList(CGridListCtrl& grid)
{
    const std::vector<ConversionSort>& sorts = m_conversion.sorts;
    std::vector<SortKey> keys;
    for (const ConversionSort& sort : sorts) {
        if (!HasColumn(grid, sort.column, "tri"))
            return false;
        keys.push_back({sort.column - 1, !sort.descending, sort.order});
    }
    const int last = LastFilledRow(grid);
    if (keys.empty() || last <= 0)
        return true;
    if (keys.size() == 1 && keys.front().order == CellOrder::Text) {
        SortRows(grid, keys.front().column, true, 0, last);
        if (!keys.front().ascending)
            SortRows(grid, keys.front().column, false, 0, last);
        return true;
    }
    std::vector<int> rows(static_cast<std::size_t>(last) + 1);
    std::iota(rows.begin(), rows.end(), 0);
    grid.PermuteRows(SortOrderByKeys(grid, keys, rows));
    return true;
}

// The command line answers the questions about CSV headers. Nothing else
// is asked of a conversion: the document it works on is new, with no
// change to save, no column to delete, and its output is an export or a
// new list.
IUserPrompt::Answer CBatchConverter::Ask(Question question, const QString&)
{
    switch (question) {
    case Question::CsvHasHeader:
        return m_conversion.csvHeader ? Answer::Yes : Answer::No;
    case Question::CsvExportHeader:
        return m_conversion.csvExportHeader ? Answer::Yes : Answer::No;
    case Question::SaveChanges:
    case Question::DeleteColumn:
    case Question::ReloadChangedFile:
    case Question::OverwriteChangedFile:
    case Question::SaveInUtf8:
        break;
    }
    return Answer::Cancel;
}

IUserPrompt::Answer CBatchConverter::MessageBox(const QString& text, Buttons buttons, Icon)
{
    const QString line = text.simplified();
    std::fprintf(m_errors, "quire: %s\n", qPrintable(line));
    return buttons == Buttons::Ok ? Answer::Ok : Answer::Cancel;
}
