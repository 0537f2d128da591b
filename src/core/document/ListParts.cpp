#include "document/ListParts.h"

#include "document/ListFields.h"

#include <algorithm>
#include <cstring>

namespace {

bool IsContinuation(char c)
{
    return (static_cast<unsigned char>(c) & 0xC0) == 0x80;
}

// The field without its first and last characters, as ListFields reads a
// field that holds no escaped quote.
std::string_view StripEnds(std::string_view field)
{
    field.remove_prefix(1);
    while (!field.empty() && IsContinuation(field.front()))
        field.remove_prefix(1);
    while (!field.empty() && IsContinuation(field.back()))
        field.remove_suffix(1);
    if (!field.empty())
        field.remove_suffix(1);
    return field;
}

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

// A row record: every field after the first becomes a cell. Most lines hold
// neither a backslash nor a CR, and their cells are copied straight from the
// line into the row's block; the others go through the field decoder. A row
// is never longer than its line.
void ParseRow(std::string_view line, ListPart& part)
{
    std::size_t pos = 0;
    std::string_view field;
    NextField(line, pos, field);
    const bool plain = !std::memchr(line.data(), '\\', line.size()) &&
                       !std::memchr(line.data(), '\r', line.size());
    PackedRow row;
    char* const out = PackedRow::Begin(row, line.size());
    std::size_t length = 0;
    int cells = 0;
    std::string scratch;
    while (NextField(line, pos, field)) {
        if (cells++ > 0)
            out[length++] = '\t';
        if (plain) {
            const std::string_view cell = StripEnds(field);
            std::memcpy(out + length, cell.data(), cell.size());
            length += cell.size();
        } else {
            length += PutCleaned(ListFields::DecodeText(field, scratch), out + length);
        }
    }
    PackedRow::Finish(row, length);
    if (cells == 0)
        return;
    part.rows.push_back(std::move(row));
    part.mostCells.back() = std::max(part.mostCells.back(), cells);
}

} // namespace

void ParseListLine(std::string_view line, ListPart& part)
{
    if (line.empty())
        return;
    switch (line.front()) {
    case 'R':
        ParseRow(line, part);
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

void ParseListLines(std::string_view text, ListPart& part,
                    const std::function<void(std::size_t)>& afterLine)
{
    const std::size_t size = text.size();
    while (!text.empty()) {
        const auto* end = static_cast<const char*>(std::memchr(text.data(), '\n', text.size()));
        const std::size_t length = end ? static_cast<std::size_t>(end - text.data()) : text.size();
        std::string_view line = text.substr(0, length);
        if (end && line.ends_with('\r'))
            line.remove_suffix(1);
        ParseListLine(line, part);
        text.remove_prefix(end ? length + 1 : length);
        if (afterLine)
            afterLine(size - text.size());
    }
}
