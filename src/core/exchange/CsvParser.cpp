#include "exchange/CsvParser.h"

#include "io/TextSource.h"

#include <algorithm>
#include <cstdio>
#include <cstring>
#include <utility>

#if defined(__SSE2__)
#include <emmintrin.h>
#endif

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
    m_replay.clear();
    m_replayPos = 0;
    m_bUnclosedSeen = false;
    m_bMore = true;
    m_nLinesRead = 0;
    const char fieldEnds[] = {m_chSeparator, m_chLineEnd};
    m_fieldEnds = CByteScan(std::string_view(fieldEnds, sizeof fieldEnds));
    SkipLines(m_nLinesBefore);
    return true;
}

void CCsvParser::SkipLines(int count)
{
    std::string_view line;
    for (int skipped = 0; skipped < count; ++skipped) {
        if (!ReadLine(line))
            return;
    }
}

// The next line with its line-end character when it has one: from the
// lines given back after an unclosed quote first, then from the stream.
bool CCsvParser::ReadLine(std::string_view& line)
{
    if (m_replayPos < m_replay.size()) {
        const std::size_t end = m_replay.find(m_chLineEnd, m_replayPos);
        const std::size_t next = end == std::string::npos ? m_replay.size() : end + 1;
        line = std::string_view(m_replay).substr(m_replayPos, next - m_replayPos);
        m_replayPos = next;
        m_bMore = m_replayPos < m_replay.size() || !m_pStream->AtEnd();
        ++m_nLinesRead;
        return true;
    }
    bool ended = false;
    std::string_view text;
    if (!m_pStream->ReadLine(text, m_chLineEnd, &ended)) {
        m_bMore = false;
        return false;
    }
    m_bMore = !m_pStream->AtEnd();
    ++m_nLinesRead;
    // The line end stands right after the line in the source's buffer.
    line = std::string_view(text.data(), text.size() + (ended ? 1 : 0));
    return true;
}

void CCsvParser::ReadRecord(CsvRecord& record)
{
    m_record = &record;
    record.Clear();
    std::string_view line;
    if ((m_nMode != CSV_UNQUOTE || !ReadMarkedLine()) && ReadLine(line)) {
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

bool CCsvParser::IsCleanLine(std::string_view line) const
{
    // A record on one line without TAB or CR needs no cleaning in the grid.
    static const CByteScan unclean(std::string_view("\t\r"));
    return m_chSeparator != '\t' && m_chLineEnd == '\n' &&
           unclean.Find(line) == std::string_view::npos;
}

// RFC 4180: a field that starts with a quote runs to the quote that is
// followed by a separator, the line end or the end of the text; two quotes
// in it stand for one, and any other quote in it is plain text. Such a field
// may go on over further lines. One whose closing quote never comes is plain
// text after all, up to its separator, so that one stray quote does not
// swallow the rest of the file.
void CCsvParser::SplitRfc(std::string_view line)
{
    if (!SplitWholeLine(line))
        SplitFields(line);
}

void CCsvParser::SplitFields(std::string_view line)
{
    m_record->SetClean(IsCleanLine(line));
    std::size_t i = 0;
    bool done = false;
    while (!done) {
        m_record->StartField();
        const bool cleanSoFar = m_record->IsClean();
        if (i < line.size() && line[i] == m_chQuote && ReadQuoted(line, i) == Quoted::Unclosed) {
            m_record->DropLastField();
            m_record->StartField();
            m_record->SetClean(cleanSoFar);
        }
        // Plain text up to the separator or the line end.
        const std::size_t end = std::min(m_fieldEnds.Find(line, i), line.size());
        if (end > i)
            m_record->Append(line.substr(i, end - i));
        done = end >= line.size() || line[end] == m_chLineEnd;
        i = end + 1;
    }
}

namespace {

// Room a whole-line split needs past the line's size in the record.
constexpr std::size_t kFieldSlack = 32;

// Copies a field of a line that goes on to limit: sixteen or thirty-two
// bytes at once when the field fits in them and they are all in the line
// (to has kFieldSlack bytes of room past the field).
void CopyField(const char* from, std::size_t size, char* to, const char* limit)
{
#if defined(__SSE2__)
    const auto copy16 = [&](std::size_t at) {
        _mm_storeu_si128(reinterpret_cast<__m128i*>(to + at),
                         _mm_loadu_si128(reinterpret_cast<const __m128i*>(from + at)));
    };
    if (size <= 32 && limit - from >= 32) {
        copy16(0);
        copy16(16);
        return;
    }
    if (size <= 16 && limit - from >= 16) {
        copy16(0);
        return;
    }
#endif
    std::memcpy(to, from, size);
}

} // namespace

// Most lines are whole records, which SplitFields would read as they stand:
// such a line is split at once from its marks, its fields copied straight
// into the record. A line with a quoted field going on over further lines,
// or with a TAB or CR, is left to SplitFields, as is every line after an
// unclosed quote.
bool CCsvParser::WholeLinesApply() const
{
    return m_bWholeLine && !m_bUnclosedSeen && m_chSeparator != '\t' && m_chLineEnd == '\n' &&
           m_chSeparator != m_chQuote;
}

bool CCsvParser::SplitWholeLine(std::string_view line)
{
    if (!WholeLinesApply())
        return false;
    if (!line.empty() && line.back() == m_chLineEnd)
        line.remove_suffix(1);
    return m_marks.Mark(line, m_chQuote, m_chSeparator) && SplitMarked(line);
}

// Most lines stand whole in the stream's buffer: the next one is marked
// there, its end found with its marks, without looking for it first. False,
// taking nothing, when the line is not there whole (it goes on past the
// buffer, or there is no line left) or holds a TAB or CR.
bool CCsvParser::ReadMarkedLine()
{
    if (!WholeLinesApply() || m_replayPos < m_replay.size())
        return false;
    const std::string_view text = m_pStream->Buffered();
    std::size_t size = 0;
    if (!m_marks.MarkLine(text, m_chQuote, m_chSeparator, size))
        return false;
    m_pStream->Skip(size + 1);
    m_bMore = !m_pStream->AtEnd();
    ++m_nLinesRead;
    if (!SplitMarked(text.substr(0, size)))
        SplitFields(text.substr(0, size + 1));
    return true;
}

// line: without its line end, and marked.
bool CCsvParser::SplitMarked(std::string_view line)
{
    const std::size_t room = line.size() + kFieldSlack;
    if (!m_marks.QuotesAtEdges() || !SplitAtFieldEnds(line, m_record->LineRoom(room))) {
        m_record->Clear();
        if (!SplitAtQuotes(line, m_record->LineRoom(room))) {
            m_record->Clear();
            return false;
        }
    }
    m_record->SetClean(true);
    return true;
}

// Any line whose quoted fields close on it, field after field.
bool CCsvParser::SplitAtQuotes(std::string_view line, char* out)
{
    const std::size_t size = line.size();
    std::size_t written = 0;
    std::size_t at = 0;
    for (;;) {
        if (at < size && line[at] == m_chQuote) {
            if (!CopyQuoted(line, at, out, written))
                return false;
        } else {
            const std::size_t end = m_marks.NextSeparator(at);
            CopyField(line.data() + at, end - at, out + written, line.data() + size);
            written += end - at;
            at = end;
        }
        m_record->EndFieldAt(written);
        if (at >= size)
            return true;
        out[written++] = '\t';
        ++at;
    }
}

// A line whose quotes are all at its fields' edges: each field is quoted
// whole, or holds a quote at most as its last byte. False for a field that
// opens with a quote and does not close with another.
bool CCsvParser::SplitAtFieldEnds(std::string_view line, char* out)
{
    const std::size_t size = line.size();
    std::size_t written = 0;
    std::size_t at = 0;
    for (;;) {
        const std::size_t end = m_marks.NextFieldEnd(at);
        std::size_t start = at;
        std::size_t stop = end;
        if (start < stop && line[start] == m_chQuote) {
            if (stop - start < 2 || line[stop - 1] != m_chQuote)
                return false;
            ++start;
            --stop;
        }
        CopyField(line.data() + start, stop - start, out + written, line.data() + size);
        written += stop - start;
        m_record->EndFieldAt(written);
        if (end >= size)
            return true;
        out[written++] = '\t';
        at = end + 1;
    }
}

// Copies the quoted field opening at at the way ReadQuoted reads it: a
// doubled quote stands for one, a quote before anything but a separator or
// the line's end is kept. at is left on the separator after the closing
// quote, or on the line's end; false when the field does not close on the
// line.
bool CCsvParser::CopyQuoted(std::string_view line, std::size_t& at, char* out,
                            std::size_t& written) const
{
    const std::size_t size = line.size();
    std::size_t from = at + 1;
    for (;;) {
        const std::size_t quote = m_marks.NextQuote(from);
        if (quote == size)
            return false;
        const bool closes = quote + 1 == size || line[quote + 1] == m_chSeparator;
        const std::size_t kept = closes ? quote : quote + 1;
        CopyField(line.data() + from, kept - from, out + written, line.data() + size);
        written += kept - from;
        if (closes) {
            at = quote + 1;
            return true;
        }
        from = line[quote + 1] == m_chQuote ? quote + 2 : quote + 1;
    }
}

// Reads a quoted field whose opening quote is at i. Closed: i is left after
// the closing quote, and line may be a later line. Unclosed: line and i are
// where they were, and the field's text is to be dropped.
CCsvParser::Quoted CCsvParser::ReadQuoted(std::string_view& line, std::size_t& i)
{
    if (m_bUnclosedSeen)
        return ReadQuotedRun(line, i);
    const std::size_t open = i;
    bool saving = false;
    std::size_t firstLineSize = 0;
    std::uint64_t linesAhead = 0;
    ++i;
    for (;;) {
        const std::size_t quote = line.find(m_chQuote, i);
        if (quote == std::string_view::npos) {
            m_record->Append(line.substr(i));
            m_record->SetClean(false);
            // The lines read ahead are kept: if no closing quote comes, they
            // are read again as records of their own.
            if (!saving) {
                saving = true;
                m_saved.assign(line);
                firstLineSize = line.size();
            }
            if (!m_bMore || !ReadLine(line))
                return GiveBackSavedLines(line, i, open, firstLineSize, linesAhead);
            ++linesAhead;
            m_saved.append(line);
            i = 0;
            continue;
        }
        m_record->Append(line.substr(i, quote - i));
        i = quote + 1;
        if (i >= line.size())
            return Quoted::Closed;
        const char next = line[i];
        if (next == m_chQuote) {
            m_record->Append(m_chQuote);
            ++i;
        } else if (next == m_chSeparator || next == m_chLineEnd) {
            return Quoted::Closed;
        } else {
            m_record->Append(m_chQuote);
        }
    }
}

// No closing quote came before the end of the text. The opening line is read
// on from the quote as plain text; the lines after it come back as records.
CCsvParser::Quoted CCsvParser::GiveBackSavedLines(std::string_view& line, std::size_t& i,
                                                  std::size_t open, std::size_t firstLineSize,
                                                  std::uint64_t linesAhead)
{
    m_bUnclosedSeen = true;
    m_nLinesRead -= linesAhead;
    m_openingLine.assign(m_saved, 0, firstLineSize);
    m_saved.erase(0, firstLineSize);
    m_replay = std::exchange(m_saved, std::string());
    m_replayPos = 0;
    line = m_openingLine;
    m_bMore = !m_replay.empty() || !m_pStream->AtEnd();
    i = open;
    return Quoted::Unclosed;
}

// Once a quote has gone unclosed to the end of the text, no later quote can
// be closed beyond its own run of quotes: every run after it that stands
// before a separator, a line end or the end has an even length, else it
// would have closed that field. So a later quoted field only needs its
// opening run looked at: it closes there when the run, opening quote
// included, has an even length and stands before a separator, the line end
// or the end. Reading thus stays linear with a stray quote on every line.
CCsvParser::Quoted CCsvParser::ReadQuotedRun(std::string_view line, std::size_t& i)
{
    std::size_t end = i;
    while (end < line.size() && line[end] == m_chQuote)
        ++end;
    const std::size_t run = end - i;
    const bool beforeBoundary =
        end >= line.size() || line[end] == m_chSeparator || line[end] == m_chLineEnd;
    if (run % 2 != 0 || !beforeBoundary)
        return Quoted::Unclosed;
    m_record->Append(std::string((run - 2) / 2, m_chQuote));
    i = end;
    return Quoted::Closed;
}
