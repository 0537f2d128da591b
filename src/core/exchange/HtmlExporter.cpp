#include "exchange/HtmlExporter.h"

#include "grid/GridListCtrl.h"
#include "io/TextSink.h"
#include "platform/Progress.h"

namespace {

constexpr std::string_view kHead[] = {
    "<html>",
    "<head>",
    "<meta charset=\"utf-8\">",
};

constexpr std::string_view kStyle[] = {
    "<style type=\"text/css\">",
    "<!--",
    "td {font-family:arial; font-size:10pt;}",
    "-->",
    "</style>",
    "</head>",
    "<body>",
};

void WriteLine(CTextSink& sink, std::string_view text)
{
    sink.Write(text);
    sink.WriteLineEnd();
}

std::string CellMarkup(std::string_view text)
{
    return text.empty() ? std::string("&nbsp;") : FormatLinkCell(EscapeHtml(text));
}

void WriteCell(CTextSink& sink, int width, std::string_view markup)
{
    sink.Write(std::string_view("<td width="));
    sink.Write(std::to_string(width));
    sink.Write('>');
    sink.Write(markup);
    WriteLine(sink, "</td>");
}

} // namespace

std::string EscapeHtml(std::string_view text)
{
    std::string escaped;
    escaped.reserve(text.size());
    for (const char c : text) {
        switch (c) {
        case '&':
            escaped += "&amp;";
            break;
        case '<':
            escaped += "&lt;";
            break;
        case '>':
            escaped += "&gt;";
            break;
        case '"':
            escaped += "&quot;";
            break;
        default:
            escaped.push_back(c);
        }
    }
    return escaped;
}

std::string FormatLinkCell(std::string_view text)
{
    if (text.starts_with("http") && text.find(':') != std::string_view::npos)
        return "<a href=\"" + std::string(text) + "\">" + std::string(text) + "</a>";
    return std::string(text);
}

bool CHtmlExporter::Write(const CGridListCtrl& grid, const QString& path, const QString& title,
                          QString& error)
{
    CTextSink sink;
    if (!sink.Open(path)) {
        error = sink.ErrorString();
        return false;
    }
    ProgressReporter progress(m_progress);
    for (const std::string_view line : kHead)
        WriteLine(sink, line);
    WriteLine(sink, "<title>" + EscapeHtml(title.toStdString()) + "</title>");
    for (const std::string_view line : kStyle)
        WriteLine(sink, line);

    const int columns = grid.GetColumnCount();
    int tableWidth = 0;
    for (int c = 0; c < columns; ++c)
        tableWidth += grid.GetColumnWidth(c);
    WriteLine(sink, "<table width=" + std::to_string(tableWidth) + " border=0>");

    WriteLine(sink, "<tr>");
    for (int c = 0; c < columns; ++c) {
        const std::string name = grid.GetColumnName(c);
        sink.Write("<td width=" + std::to_string(grid.GetColumnWidth(c)) +
                   " bgcolor=\"#e0e0e0\"><b>");
        sink.Write(name.empty() ? std::string("&nbsp;") : EscapeHtml(name));
        WriteLine(sink, "</b></td>");
    }
    WriteLine(sink, "</tr>");

    const int rows = grid.GetItemCount();
    for (int r = 0; r < rows; ++r) {
        sink.Write(std::string_view("<tr>"));
        CellCursor cells(grid.JoinedRowView(r));
        for (int c = 0; c < columns; ++c)
            WriteCell(sink, grid.GetColumnWidth(c), CellMarkup(cells.Next()));
        WriteLine(sink, "</tr>");
        progress.Update(r + 1, rows);
    }
    WriteLine(sink, "</table>");
    WriteLine(sink, "</body>");
    WriteLine(sink, "</html>");
    if (!sink.Commit()) {
        error = sink.ErrorString();
        return false;
    }
    return true;
}
