#include "document/ListWriter.h"

#include "document/ListFields.h"
#include "document/Version.h"
#include "grid/GridListCtrl.h"
#include "io/BatchWriter.h"
#include "io/TextSink.h"
#include "platform/Progress.h"

bool CListWriter::FitsWindows1252(const CGridListCtrl& grid)
{
    for (int c = 0; c < grid.GetColumnCount(); ++c) {
        if (!::FitsWindows1252(grid.GetColumnName(c)))
            return false;
    }
    for (int r = 0; r < grid.GetItemCount(); ++r) {
        if (!::FitsWindows1252(grid.JoinedRowView(r)))
            return false;
    }
    return true;
}

bool CListWriter::Write(const CGridListCtrl& grid, const QString& path, TextEncoding encoding,
                        QString& error)
{
    CTextSink sink(encoding);
    if (!sink.Open(path, error))
        return false;
    ProgressReporter progress(m_progress);
    const int columns = grid.GetColumnCount();
    std::string head = "V\t" + FormatVersion(kProgramVersion) + "\r\nH\t";
    for (int c = 0; c < columns; ++c)
        ListFields::WriteRow(head, grid.GetColumnName(c), 1);
    head += "\r\nW\t";
    for (int c = 0; c < columns; ++c)
        head += '"' + std::to_string(grid.GetColumnWidth(c)) + "\"\t";
    head += "\r\n";
    sink.Write(head);

    m_batches.WriteRows(
        sink, grid.GetItemCount(),
        [&](int row, std::string& out) {
            out += "R\t";
            ListFields::WriteRow(out, grid.JoinedRowView(row), columns);
            out += "\r\n";
        },
        progress);
    return sink.Commit(error);
}
