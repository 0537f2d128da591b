#include "exchange/TextExporter.h"

#include "grid/GridListCtrl.h"
#include "io/BatchWriter.h"
#include "io/ByteScan.h"
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

void AppendField(std::string& out, std::string_view text, Style style)
{
    if (style == Style::Tabbed)
        out.append(OrBlank(text));
    else
        QuoteField(out, OrBlank(text));
}

// Appends the row's first columns cells, each blank when empty or missing,
// separated and, for CSV, quoted, then the line end. Each cell's plain runs
// are copied sixteen bytes at a time up to its TAB (or a quote to double);
// the output is sized for the worst case first and cut to what was written.
void AppendRow(std::string& out, std::string_view joined, int columns, Style style)
{
    static const CByteScan tabs(std::string_view("\t"));
    static const CByteScan tabsAndQuotes(std::string_view("\t\""));
    const bool csv = style == Style::Csv;
    const CByteScan& marks = csv ? tabsAndQuotes : tabs;
    const std::size_t start = out.size();
    out.resize(start + 3 * joined.size() + 4 * static_cast<std::size_t>(columns) + 2 + kCopySlack);
    char* p = out.data() + start;
    std::string_view rest = joined;
    bool cellsLeft = !joined.empty();
    for (int c = 0; c < columns; ++c) {
        if (c > 0)
            *p++ = csv ? ',' : '\t';
        if (csv)
            *p++ = '"';
        const char* const cellStart = p;
        while (cellsLeft) {
            const std::size_t run = marks.CopyUntil(rest, p);
            p += run;
            if (run == rest.size()) {
                cellsLeft = false;
                break;
            }
            const char mark = rest[run];
            rest.remove_prefix(run + 1);
            if (mark == '\t')
                break;
            p[0] = '"';
            p[1] = '"';
            p += 2;
        }
        if (p == cellStart)
            *p++ = ' ';
        if (csv)
            *p++ = '"';
    }
    p[0] = '\r';
    p[1] = '\n';
    out.resize(static_cast<std::size_t>(p + 2 - out.data()));
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
        std::string header;
        for (int c = 0; c < columns; ++c) {
            if (c > 0)
                header += separator;
            AppendField(header, grid.GetColumnName(c), style);
        }
        header += "\r\n";
        sink.Write(header);
    }
    CBatchWriter().WriteRows(
        sink, ExportedRowCount(grid),
        [&](int row, std::string& out) { AppendRow(out, grid.JoinedRowView(row), columns, style); },
        progress);
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

void QuoteField(std::string& out, std::string_view text)
{
    out += '"';
    for (std::size_t quote = text.find('"'); quote != std::string_view::npos;
         quote = text.find('"')) {
        out.append(text.substr(0, quote + 1));
        out += '"';
        text.remove_prefix(quote + 1);
    }
    out.append(text);
    out += '"';
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
