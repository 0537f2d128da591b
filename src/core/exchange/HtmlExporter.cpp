#include "exchange/HtmlExporter.h"

#include "exchange/TextExporter.h"
#include "grid/GridListCtrl.h"
#include "io/TextSink.h"
#include "platform/Progress.h"

#include <vector>

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

const char* Entity(char c)
{
    switch (c) {
    case '&':
        return "&amp;";
    case '<':
        return "&lt;";
    case '>':
        return "&gt;";
    case '"':
        return "&quot;";
    default:
        return nullptr;
    }
}

bool IsMarkup(char c)
{
    return c == '&' || c == '<' || c == '>' || c == '"';
}

// Writes the text with its markup characters as entities, in runs.
void WriteEscaped(CTextSink& sink, std::string_view text)
{
    std::size_t run = 0;
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (!IsMarkup(text[i]))
            continue;
        sink.Write(text.substr(run, i - run));
        sink.Write(std::string_view(Entity(text[i])));
        run = i + 1;
    }
    sink.Write(text.substr(run));
}

void WriteBodyCell(CTextSink& sink, std::string_view opening, std::string_view text)
{
    sink.Write(opening);
    if (text.empty())
        sink.Write(std::string_view("&nbsp;"));
    else if (IsLink(text))
        sink.Write(FormatLinkCell(EscapeHtml(text)));
    else
        WriteEscaped(sink, text);
    WriteLine(sink, "</td>");
}

} // namespace

bool IsLink(std::string_view text)
{
    return text.starts_with("http") && text.find(':') != std::string_view::npos;
}

// Plain text between markup characters is copied in runs: a copy of a
// million rows to the clipboard goes through here.
std::string EscapeHtml(std::string_view text)
{
    std::string escaped;
    escaped.reserve(text.size());
    std::size_t run = 0;
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (const char* entity = Entity(text[i])) {
            escaped.append(text.substr(run, i - run));
            escaped += entity;
            run = i + 1;
        }
    }
    escaped.append(text.substr(run));
    return escaped;
}

std::string FormatLinkCell(std::string_view text)
{
    if (!IsLink(text))
        return std::string(text);
    const std::string link(text);
    return "<a href=\"" + link + "\">" + link + "</a>";
}

bool CHtmlExporter::Write(const CGridListCtrl& grid, const QString& path, const QString& title,
                          QString& error)
{
    CTextSink sink;
    if (!sink.Open(path, error))
        return false;
    ProgressReporter progress(m_progress);
    for (const std::string_view line : kHead)
        WriteLine(sink, line);
    WriteLine(sink, "<title>" + EscapeHtml(title.toStdString()) + "</title>");
    for (const std::string_view line : kStyle)
        WriteLine(sink, line);

    const int columns = grid.GetColumnCount();
    // Wide enough for any number of columns of any width.
    long long tableWidth = 0;
    for (int c = 0; c < columns; ++c)
        tableWidth += grid.GetColumnWidth(c);
    WriteLine(sink, "<table width=" + std::to_string(tableWidth) + " border=0>");

    WriteLine(sink, "<tr>");
    for (int c = 0; c < columns; ++c) {
        const std::string name = grid.GetColumnName(c);
        sink.Write("<td width=" + std::to_string(grid.GetColumnWidth(c)) +
                   " bgcolor=\"#e0e0e0\"><b>");
        if (name.empty())
            sink.Write(std::string_view("&nbsp;"));
        else
            WriteEscaped(sink, name);
        WriteLine(sink, "</b></td>");
    }
    WriteLine(sink, "</tr>");

    std::vector<std::string> openings;
    for (int c = 0; c < columns; ++c)
        openings.push_back("<td width=" + std::to_string(grid.GetColumnWidth(c)) + ">");
    const int rows = ExportedRowCount(grid);
    for (int r = 0; r < rows; ++r) {
        sink.Write(std::string_view("<tr>"));
        CellCursor cells(grid.JoinedRowView(r));
        for (int c = 0; c < columns; ++c)
            WriteBodyCell(sink, openings[c], cells.Next());
        WriteLine(sink, "</tr>");
        progress.Update(r + 1, rows);
    }
    WriteLine(sink, "</table>");
    WriteLine(sink, "</body>");
    WriteLine(sink, "</html>");
    return sink.Commit(error);
}
