#include "exchange/CsvParser.h"

#include "io/TextSource.h"

#include <cstdio>
#include <cstdlib>

namespace {

std::string UpToNul(std::string_view text)
{
    const std::size_t nul = text.find('\0');
    return std::string(nul == std::string_view::npos ? text : text.substr(0, nul));
}

} // namespace

void CCsvParser::SetQuote(char quote, int mode)
{
    if (quote == 0)
        return;
    m_chQuote = quote;
    m_nMode = mode;
}

void CCsvParser::SetSeparator(char separator)
{
    if (separator != 0)
        m_chSeparator = separator;
}

void CCsvParser::SetLineEnd(char lineEnd)
{
    if (lineEnd != 0)
        m_chLineEnd = lineEnd;
}

bool CCsvParser::Open(CTextSource* stream)
{
    m_pStream = stream;
    if (!m_pStream) {
        std::fputs("Fatal error : unable to open input file from file pointer\n", stderr);
        return false;
    }
    if (!m_pStream->Rewind())
        return false;
    m_bMore = true;
    for (int skip = std::abs(m_nSkipRecords); m_bMore && skip > 0; --skip)
        ReadRecord();
    return true;
}

// The next line with its line-end character when it has one.
bool CCsvParser::ReadLine(std::string_view& line)
{
    bool ended = false;
    std::string_view text;
    if (!m_pStream->ReadLine(text, m_chLineEnd, &ended)) {
        m_bMore = false;
        return false;
    }
    m_bMore = !m_pStream->AtEnd();
    // The line end stands right after the line in the source's buffer.
    line = std::string_view(text.data(), text.size() + (ended ? 1 : 0));
    return true;
}

std::vector<std::string> CCsvParser::ReadRecord()
{
    std::vector<std::string> fields;
    std::string_view line;
    if (!ReadLine(line))
        return fields;
    switch (m_nMode) {
    case CSV_PLAIN:
        SplitPlain(line, fields);
        break;
    case CSV_QUOTED_ONLY:
        SplitQuotedOnly(line, fields);
        break;
    default:
        SplitRfc(line, fields);
        break;
    }
    return fields;
}

void CCsvParser::SplitPlain(std::string_view line, std::vector<std::string>& fields) const
{
    if (!line.empty() && line.back() == m_chLineEnd)
        line.remove_suffix(1);
    std::size_t start = 0;
    for (;;) {
        const std::size_t separator = line.find(m_chSeparator, start);
        if (separator == std::string_view::npos) {
            fields.push_back(UpToNul(line.substr(start)));
            return;
        }
        fields.push_back(UpToNul(line.substr(start, separator - start)));
        start = separator + 1;
    }
}

void CCsvParser::SplitQuotedOnly(std::string_view line, std::vector<std::string>& fields) const
{
    bool open = false;
    std::size_t openedAt = 0;
    for (std::size_t i = 0; i < line.size(); ++i) {
        if (line[i] != m_chQuote || (i > 0 && line[i - 1] == m_chEscape))
            continue;
        if (!open) {
            open = true;
            openedAt = i;
        } else {
            fields.push_back(UpToNul(line.substr(openedAt + 1, i - openedAt - 1)));
            open = false;
        }
    }
    if (fields.empty())
        fields.push_back(UpToNul(line));
    else if (open)
        fields.push_back(UpToNul(line.substr(openedAt + 1)));
}

// RFC 4180: a field that starts with a quote runs to the quote that is
// followed by a separator, the line end or the end of the text; two quotes
// in it stand for one, and any other quote in it is plain text. Such a field
// may go on over further lines.
void CCsvParser::SplitRfc(std::string_view line, std::vector<std::string>& fields)
{
    std::string field;
    std::size_t i = 0;
    for (;;) {
        field.clear();
        if (i < line.size() && line[i] == m_chQuote) {
            if (!ReadQuoted(line, ++i, field)) {
                fields.push_back(UpToNul(field));
                return;
            }
        }
        // Plain text up to the separator or the line end.
        std::size_t end = i;
        while (end < line.size() && line[end] != m_chSeparator && line[end] != m_chLineEnd)
            ++end;
        field.append(line.substr(i, end - i));
        fields.push_back(UpToNul(field));
        if (end >= line.size() || line[end] == m_chLineEnd)
            return;
        i = end + 1;
    }
}

// Reads a quoted field from just after its opening quote into field, over
// further lines when it holds line breaks. Leaves i after the closing quote
// and returns true, or returns false when the text ended inside the quotes.
bool CCsvParser::ReadQuoted(std::string_view& line, std::size_t& i, std::string& field)
{
    for (;;) {
        const std::size_t quote = line.find(m_chQuote, i);
        if (quote == std::string_view::npos) {
            field.append(line.substr(i));
            if (!m_bMore || !ReadLine(line))
                return false;
            i = 0;
            continue;
        }
        field.append(line.substr(i, quote - i));
        i = quote + 1;
        if (i >= line.size())
            return true;
        const char next = line[i];
        if (next == m_chQuote) {
            field.push_back(m_chQuote);
            ++i;
        } else if (next == m_chSeparator || next == m_chLineEnd) {
            return true;
        } else {
            field.push_back(m_chQuote);
        }
    }
}
