#include "exchange/CsvParser.h"

#include "io/TextSource.h"

#include <cstdio>
#include <cstdlib>

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
    CsvRecord skipped;
    for (int skip = std::abs(m_nSkipRecords); m_bMore && skip > 0; --skip)
        ReadRecord(skipped);
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

void CCsvParser::ReadRecord(CsvRecord& record)
{
    m_record = &record;
    record.Clear();
    std::string_view line;
    if (ReadLine(line)) {
        switch (m_nMode) {
        case CSV_PLAIN:
            SplitPlain(line);
            break;
        case CSV_QUOTED_ONLY:
            SplitQuotedOnly(line);
            break;
        default:
            SplitRfc(line);
            break;
        }
    }
    if (record.Joined().find('\0') != std::string_view::npos)
        CutFieldsAtNul();
    m_record = nullptr;
}

void CCsvParser::SplitPlain(std::string_view line)
{
    if (!line.empty() && line.back() == m_chLineEnd)
        line.remove_suffix(1);
    std::size_t start = 0;
    for (;;) {
        const std::size_t separator = line.find(m_chSeparator, start);
        if (separator == std::string_view::npos) {
            m_record->AddField(line.substr(start));
            return;
        }
        m_record->AddField(line.substr(start, separator - start));
        start = separator + 1;
    }
}

void CCsvParser::SplitQuotedOnly(std::string_view line)
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
            m_record->AddField(line.substr(openedAt + 1, i - openedAt - 1));
            open = false;
        }
    }
    if (m_record->empty())
        m_record->AddField(line);
    else if (open)
        m_record->AddField(line.substr(openedAt + 1));
}

// RFC 4180: a field that starts with a quote runs to the quote that is
// followed by a separator, the line end or the end of the text; two quotes
// in it stand for one, and any other quote in it is plain text. Such a field
// may go on over further lines.
void CCsvParser::SplitRfc(std::string_view line)
{
    // A record on one line without TAB or CR needs no cleaning in the grid.
    const bool clean = m_chSeparator != '\t' && m_chLineEnd == '\n' &&
                       line.find('\t') == std::string_view::npos &&
                       line.find('\r') == std::string_view::npos;
    m_record->SetClean(clean);
    std::size_t i = 0;
    bool done = false;
    while (!done) {
        m_record->StartField();
        if (i < line.size() && line[i] == m_chQuote && !ReadQuoted(line, ++i))
            break;
        // Plain text up to the separator or the line end.
        std::size_t end = i;
        while (end < line.size() && line[end] != m_chSeparator && line[end] != m_chLineEnd)
            ++end;
        m_record->Append(line.substr(i, end - i));
        done = end >= line.size() || line[end] == m_chLineEnd;
        i = end + 1;
    }
}

// Reads a quoted field from just after its opening quote, over further lines
// when it holds line breaks. Leaves i after the closing quote and returns
// true, or returns false when the text ended inside the quotes.
bool CCsvParser::ReadQuoted(std::string_view& line, std::size_t& i)
{
    for (;;) {
        const std::size_t quote = line.find(m_chQuote, i);
        if (quote == std::string_view::npos) {
            m_record->Append(line.substr(i));
            m_record->SetClean(false);
            if (!m_bMore || !ReadLine(line))
                return false;
            i = 0;
            continue;
        }
        m_record->Append(line.substr(i, quote - i));
        i = quote + 1;
        if (i >= line.size())
            return true;
        const char next = line[i];
        if (next == m_chQuote) {
            m_record->Append(m_chQuote);
            ++i;
        } else if (next == m_chSeparator || next == m_chLineEnd) {
            return true;
        } else {
            m_record->Append(m_chQuote);
        }
    }
}

// Fields are C strings to the rest of the world: a zero byte ends them.
void CCsvParser::CutFieldsAtNul()
{
    CsvRecord cut;
    cut.SetClean(m_record->IsClean());
    for (std::size_t f = 0; f < m_record->size(); ++f) {
        const std::string_view field = (*m_record)[f];
        cut.AddField(field.substr(0, field.find('\0')));
    }
    *m_record = std::move(cut);
}
