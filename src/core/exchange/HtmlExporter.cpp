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

// The table's rows, each written at once into room sized for it. A web
// address becomes a link to itself, its text written twice.
class BodyRows
{
public:
    explicit BodyRows(std::vector<std::string> openings) : m_openings(std::move(openings))
    {
        const std::size_t mostAroundText =
            std::max(kEmptyCell.size(), kLinkOpen.size() + kLinkMiddle.size() + kLinkClose.size());
        for (const std::string& opening : m_openings)
            m_markupBytes += opening.size() + mostAroundText + kCellEnd.size();
        m_markupBytes += kRowStart.size() + kRowEnd.size();
    }

    void Append(std::string& out, std::string_view joined) const
    {
        // Each byte becomes at most an entity of six, twice in a link.
        const std::size_t perByte = joined.find("http") == std::string_view::npos ? 6 : 12;
        const std::size_t start = out.size();
        out.resize(start + perByte * joined.size() + m_markupBytes + kCopySlack);
        char* p = Put(out.data() + start, kRowStart);
        CellCursor cells(joined);
        for (const std::string& opening : m_openings) {
            p = Put(p, opening);
            const std::string_view cell = cells.Next();
            if (cell.empty()) {
                p = Put(p, kEmptyCell);
            } else if (IsLink(cell)) {
                p = PutEscaped(Put(p, kLinkOpen), cell);
                p = PutEscaped(Put(p, kLinkMiddle), cell);
                p = Put(p, kLinkClose);
            } else {
                p = PutEscaped(p, cell);
            }
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
    static constexpr std::string_view kLinkOpen = "<a href=\"";
    static constexpr std::string_view kLinkMiddle = "\">";
    static constexpr std::string_view kLinkClose = "</a>";
    std::vector<std::string> m_openings;
    std::size_t m_markupBytes = 0;
};

} // namespace

bool IsLink(std::string_view text)
{
    return text.starts_with("http") && text.find(':') != std::string_view::npos;
}

// A copy of a million rows to the clipboard goes through here.
std::string EscapeHtml(std::string_view text)
{
    std::string escaped;
    AppendEscaped(escaped, text);
    return escaped;
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
