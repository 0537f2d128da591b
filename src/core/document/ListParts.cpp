#include "document/ListParts.h"

#include "document/ListFields.h"
#include "io/ByteScan.h"

#include <algorithm>
#include <cstring>
#include <utility>

namespace {

// The next field of a record from pos on (runs of TABs separate fields);
// false when none is left.
bool NextField(std::string_view line, std::size_t& pos, std::string_view& field)
{
    while (pos < line.size() && line[pos] == '\t')
        ++pos;
    if (pos >= line.size())
        return false;
    const auto* tab =
        static_cast<const char*>(std::memchr(line.data() + pos, '\t', line.size() - pos));
    const std::size_t end = tab ? static_cast<std::size_t>(tab - line.data()) : line.size();
    field = line.substr(pos, end - pos);
    pos = end;
    return true;
}

// Writes text at out with each CR made a space: a CR within a line is
// no line end, and the grid holds none.
std::size_t PutCleaned(std::string_view text, char* out)
{
    std::memcpy(out, text.data(), text.size());
    std::replace(out, out + text.size(), '\r', ' ');
    return text.size();
}

// Writes the cells of a row record's fields into row, each field through
// put(field, out), which returns the bytes it wrote. A row is never longer
// than its line.
template <typename Field, typename Fields, typename Put>
void MakeRow(std::string_view line, Fields nextField, Put put, ListPart& part)
{
    PackedRow row;
    char* const out = PackedRow::Begin(row, line.size());
    std::size_t length = 0;
    int cells = 0;
    Field field;
    while (nextField(field)) {
        if (cells++ > 0)
            out[length++] = '\t';
        length += put(field, out + length);
    }
    PackedRow::Finish(row, length);
    if (cells == 0)
        return;
    part.rows.push_back(std::move(row));
    part.mostCells.back() = std::max(part.mostCells.back(), cells);
}

// A row record holding a lone CR, or another record read as a row: each
// field goes through the decoder, and each CR becomes a space.
void ParseEscapedRow(std::string_view line, ListPart& part)
{
    std::size_t pos = 0;
    std::string_view field;
    NextField(line, pos, field);
    std::string scratch;
    MakeRow<std::string_view>(
        line, [&](std::string_view& next) { return NextField(line, pos, next); },
        [&](std::string_view next, char* out) {
            return PutCleaned(ListFields::DecodeText(next, scratch), out);
        },
        part);
}

// A field of a row record, and whether it holds a backslash.
struct MarkedField
{
    std::string_view text;
    bool escaped = false;
};

// A row record whose only marks are the TABs and backslashes at marks
// (offsets from the line's start): every field after the first becomes a
// cell. A field without a backslash, most of them, is copied from the line
// into the row's block without its first and last characters.
void ParseMarkedRow(std::string_view line, const std::uint32_t* marks, std::size_t count,
                    std::uint32_t lineStart, ListPart& part)
{
    std::size_t next = 0;
    std::size_t start = 0;
    bool typeSkipped = false;
    const auto nextField = [&](MarkedField& field) {
        field.escaped = false;
        while (next <= count) {
            const std::size_t end = next < count ? marks[next] - lineStart : line.size();
            ++next;
            if (end < line.size() && line[end] == '\\') {
                field.escaped = true;
                continue;
            }
            const std::size_t from = std::exchange(start, end + 1);
            if (end == from)
                continue;
            if (std::exchange(typeSkipped, true)) {
                field.text = line.substr(from, end - from);
                return true;
            }
            field.escaped = false;
        }
        return false;
    };
    std::string scratch;
    const auto put = [&](const MarkedField& field, char* out) {
        const std::string_view cell = field.escaped ? ListFields::DecodeText(field.text, scratch)
                                                    : ListFields::StripEnds(field.text);
        std::memcpy(out, cell.data(), cell.size());
        return cell.size();
    };
    MakeRow<MarkedField>(line, nextField, put, part);
}

CByteScan& LineMarks()
{
    thread_local CByteScan scan(std::string_view("\t\n\\\r"));
    return scan;
}

} // namespace

void ParseListLine(std::string_view line, ListPart& part)
{
    if (line.empty())
        return;
    switch (line.front()) {
    case 'R':
        ParseEscapedRow(line, part);
        break;
    case 'H':
        part.mostCells.push_back(0);
        [[fallthrough]];
    case 'V':
    case 'W':
        part.records.push_back({part.rows.size(), std::string(line)});
        break;
    default:
        break;
    }
}

// The TABs, LFs, backslashes and CRs of all lines are found in one pass; a
// row record without a lone CR, nearly all of them, is split at its TABs.
void ParseListLines(std::string_view text, ListPart& part,
                    const std::function<void(std::size_t)>& afterLine)
{
    const CByteScan::Found marks = LineMarks().FindAll(text);
    const std::uint32_t* mark = marks.offsets;
    const std::uint32_t* const lastMark = marks.offsets + marks.count;
    std::size_t lineStart = 0;
    while (lineStart < text.size()) {
        const std::uint32_t* const first = mark;
        while (mark != lastMark && text[*mark] != '\n')
            ++mark;
        const bool ended = mark != lastMark;
        std::size_t lineEnd = ended ? *mark : text.size();
        const std::uint32_t* stop = mark;
        // The CR of a CR LF ends the line; any other is a mark of the line.
        if (ended && lineEnd > lineStart && text[lineEnd - 1] == '\r') {
            --lineEnd;
            --stop;
        }
        const bool marked =
            std::all_of(first, stop, [&](std::uint32_t at) { return text[at] != '\r'; });
        const std::string_view line = text.substr(lineStart, lineEnd - lineStart);
        if (marked && !line.empty() && line.front() == 'R')
            ParseMarkedRow(line, first, static_cast<std::size_t>(stop - first),
                           static_cast<std::uint32_t>(lineStart), part);
        else
            ParseListLine(line, part);
        lineStart = ended ? *mark++ + 1 : text.size();
        if (afterLine)
            afterLine(lineStart);
    }
}
