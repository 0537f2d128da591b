#include "exchange/TextExporter.h"

#include "grid/GridListCtrl.h"
#include "io/TextSink.h"
#include "platform/Progress.h"

namespace {

std::string_view OrBlank(std::string_view text)
{
    return text.empty() ? std::string_view(" ") : text;
}

enum class Style
{
    Tabbed,
    Csv
};

void WriteField(CTextSink& sink, std::string_view text, Style style)
{
    if (style == Style::Tabbed)
        sink.Write(OrBlank(text));
    else
        QuoteField(sink, OrBlank(text));
}

bool WriteTable(const CGridListCtrl& grid, const QString& path, Style style, bool withHeader,
                IProgress& progressSink, QString& error)
{
    CTextSink sink;
    if (!sink.Open(path, error))
        return false;
    ProgressReporter progress(progressSink);
    const char separator = style == Style::Tabbed ? '\t' : ',';
    const int columns = grid.GetColumnCount();
    if (withHeader) {
        for (int c = 0; c < columns; ++c) {
            if (c > 0)
                sink.Write(separator);
            WriteField(sink, grid.GetColumnName(c), style);
        }
        sink.WriteLineEnd();
    }
    const int rows = ExportedRowCount(grid);
    for (int r = 0; r < rows; ++r) {
        CellCursor cells(grid.JoinedRowView(r));
        for (int c = 0; c < columns; ++c) {
            if (c > 0)
                sink.Write(separator);
            WriteField(sink, cells.Next(), style);
        }
        sink.WriteLineEnd();
        progress.Update(r + 1, rows);
    }
    return sink.Commit(error);
}

} // namespace

int ExportedRowCount(const CGridListCtrl& grid)
{
    int rows = grid.GetItemCount();
    while (rows > 0 && grid.JoinedRowView(rows - 1).empty())
        --rows;
    return rows;
}

void QuoteField(CTextSink& sink, std::string_view text)
{
    sink.Write('"');
    for (std::size_t quote = text.find('"'); quote != std::string_view::npos;
         quote = text.find('"')) {
        sink.Write(text.substr(0, quote + 1));
        sink.Write('"');
        text.remove_prefix(quote + 1);
    }
    sink.Write(text);
    sink.Write('"');
}

bool CTextExporter::WriteText(const CGridListCtrl& grid, const QString& path, QString& error)
{
    return WriteTable(grid, path, Style::Tabbed, true, m_progress, error);
}

bool CTextExporter::WriteCsv(const CGridListCtrl& grid, const QString& path, bool withHeader,
                             QString& error)
{
    return WriteTable(grid, path, Style::Csv, withHeader, m_progress, error);
}
