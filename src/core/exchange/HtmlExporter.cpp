#include "exchange/HtmlExporter.h"

#include "exchange/TextExporter.h"
#include "grid/GridListCtrl.h"
#include "io/BatchWriter.h"
#include "io/ByteScan.h"
#include "io/TextSink.h"
#include "platform/Progress.h"

#include <algorithm>
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

void AppendLine(std::string& out, std::string_view text)
{
    out.append(text);
    out += "\r\n";
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

// Writes the text at p with its markup characters as entities, the runs
// between them copied sixteen bytes at a time; returns where it ended. An
// entity is at most six bytes long, and up to kCopySlack bytes past the
// end may be overwritten.
char* PutEscaped(char* p, std::string_view text)
{
    static const CByteScan markup(std::string_view("&<>\""));
    for (;;) {
        const std::size_t run = markup.CopyUntil(text, p);
        p += run;
        if (run == text.size())
            return p;
        const std::string_view entity(Entity(text[run]));
        p = std::copy(entity.begin(), entity.end(), p);
        text.remove_prefix(run + 1);
    }
}

char* Put(char* p, std::string_view text)
{
    return std::copy(text.begin(), text.end(), p);
}

void AppendEscaped(std::string& out, std::string_view text)
{
    const std::size_t start = out.size();
    out.resize(start + 6 * text.size() + kCopySlack);
    out.resize(static_cast<std::size_t>(PutEscaped(out.data() + start, text) - out.data()));
}

void AppendBodyCell(std::string& out, std::string_view opening, std::string_view text)
{
    out.append(opening);
    if (text.empty())
        out.append("&nbsp;");
    else if (IsLink(text))
        out.append(FormatLinkCell(EscapeHtml(text)));
    else
        AppendEscaped(out, text);
    AppendLine(out, "</td>");
}

// The table's rows, each written at once into room sized for it; a row
// with a link, rare, cell by cell.
class BodyRows
{
public:
    explicit BodyRows(std::vector<std::string> openings) : m_openings(std::move(openings))
    {
        for (const std::string& opening : m_openings)
            m_markupBytes += opening.size() + kCellEnd.size() + kEmptyCell.size();
        m_markupBytes += kRowStart.size() + kRowEnd.size();
    }

    void Append(std::string& out, std::string_view joined) const
    {
        CellCursor cells(joined);
        if (joined.find("http") != std::string_view::npos) {
            out += kRowStart;
            for (const std::string& opening : m_openings)
                AppendBodyCell(out, opening, cells.Next());
            out += kRowEnd;
            return;
        }
        const std::size_t start = out.size();
        out.resize(start + 6 * joined.size() + m_markupBytes + kCopySlack);
        char* p = Put(out.data() + start, kRowStart);
        for (const std::string& opening : m_openings) {
            p = Put(p, opening);
            const std::string_view cell = cells.Next();
            p = cell.empty() ? Put(p, kEmptyCell) : PutEscaped(p, cell);
            p = Put(p, kCellEnd);
        }
        p = Put(p, kRowEnd);
        out.resize(static_cast<std::size_t>(p - out.data()));
    }

private:
    static constexpr std::string_view kRowStart = "<tr>";
    static constexpr std::string_view kRowEnd = "</tr>\r\n";
    static constexpr std::string_view kEmptyCell = "&nbsp;";
    static constexpr std::string_view kCellEnd = "</td>\r\n";
    std::vector<std::string> m_openings;
    std::size_t m_markupBytes = 0;
};

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
    std::string head;
    for (const std::string_view line : kHead)
        AppendLine(head, line);
    AppendLine(head, "<title>" + EscapeHtml(title.toStdString()) + "</title>");
    for (const std::string_view line : kStyle)
        AppendLine(head, line);

    const int columns = grid.GetColumnCount();
    // Wide enough for any number of columns of any width.
    long long tableWidth = 0;
    for (int c = 0; c < columns; ++c)
        tableWidth += grid.GetColumnWidth(c);
    AppendLine(head, "<table width=" + std::to_string(tableWidth) + " border=0>");

    AppendLine(head, "<tr>");
    for (int c = 0; c < columns; ++c) {
        const std::string name = grid.GetColumnName(c);
        head += "<td width=" + std::to_string(grid.GetColumnWidth(c)) + " bgcolor=\"#e0e0e0\"><b>";
        if (name.empty())
            head += "&nbsp;";
        else
            AppendEscaped(head, name);
        AppendLine(head, "</b></td>");
    }
    AppendLine(head, "</tr>");
    sink.Write(head);

    std::vector<std::string> openings;
    for (int c = 0; c < columns; ++c)
        openings.push_back("<td width=" + std::to_string(grid.GetColumnWidth(c)) + ">");
    const BodyRows rows(std::move(openings));
    CBatchWriter().WriteRows(
        sink, ExportedRowCount(grid),
        [&](int row, std::string& out) { rows.Append(out, grid.JoinedRowView(row)); }, progress);
    std::string tail;
    AppendLine(tail, "</table>");
    AppendLine(tail, "</body>");
    AppendLine(tail, "</html>");
    sink.Write(tail);
    return sink.Commit(error);
}
