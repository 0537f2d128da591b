#include "document/ListWriter.h"

#include "document/ListFields.h"
#include "document/Version.h"
#include "grid/GridListCtrl.h"
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
    sink.Write(std::string_view("V\t"));
    sink.Write(FormatVersion(kProgramVersion));
    sink.WriteLineEnd();

    sink.Write(std::string_view("H\t"));
    for (int c = 0; c < columns; ++c)
        ListFields::WriteRow(sink, grid.GetColumnName(c), 1);
    sink.WriteLineEnd();

    sink.Write(std::string_view("W\t"));
    for (int c = 0; c < columns; ++c) {
        sink.Write('"');
        sink.Write(std::to_string(grid.GetColumnWidth(c)));
        sink.Write(std::string_view("\"\t"));
    }
    sink.WriteLineEnd();

    const int rows = grid.GetItemCount();
    for (int r = 0; r < rows; ++r) {
        sink.Write(std::string_view("R\t"));
        ListFields::WriteRow(sink, grid.JoinedRowView(r), columns);
        sink.WriteLineEnd();
        progress.Update(r + 1, rows);
    }
    return sink.Commit(error);
}
