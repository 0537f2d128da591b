#include "io/TextSource.h"

#include "io/RegularFile.h"
#include "io/TextCodec.h"

#include <QByteArrayView>

#include <sys/stat.h>
#include <unistd.h>

#if defined(__SSE2__)
#include <emmintrin.h>
#endif

#include <algorithm>
#include <bit>
#include <cerrno>
#include <cstring>
#include <utility>

namespace {

constexpr qint64 kChunkSize = 1 << 20;
constexpr qint64 kMinChunkSize = 1 << 12;
constexpr char kUtf8Bom[] = "\xEF\xBB\xBF";
constexpr char kUtf16LeBom[] = "\xFF\xFE";
constexpr char kUtf16BeBom[] = "\xFE\xFF";

// Bytes at the end of chunk that start a UTF-8 sequence the chunk cuts off.
qsizetype IncompleteTail(QByteArrayView chunk)
{
    const qsizetype n = chunk.size();
    for (qsizetype back = 1; back <= std::min<qsizetype>(3, n); ++back) {
        const auto byte = static_cast<unsigned char>(chunk[n - back]);
        if ((byte & 0xC0) == 0x80)
            continue;
        const int needed = byte >= 0xF0 ? 4 : byte >= 0xE0 ? 3 : byte >= 0xC0 ? 2 : 1;
        return needed > back ? back : 0;
    }
    return 0;
}

#if defined(__SSE2__)
// Loaded from 16 - n on: n bytes of ones, then zeros.
alignas(16) constexpr signed char kFirstBytes[32] = {-1, -1, -1, -1, -1, -1, -1, -1,
                                                     -1, -1, -1, -1, -1, -1, -1, -1};
#endif

// Moves data[from, size) down over the CR of each CR LF, turning a lone CR
// into LF when loneEndsLine; returns the new size. Sixteen bytes at a
// time: lines are long and nearly every one ends with CR LF, so most blocks
// hold no CR and move whole, and most others one CR LF, dropped by a shift.
// A block is read whole before its bytes are written, at or before it.
std::size_t DropCarriageReturns(char* data, std::size_t from, std::size_t size, bool loneEndsLine)
{
    std::size_t in = from;
    std::size_t out = from;
    const auto takeByte = [&] {
        if (data[in] != '\r')
            data[out++] = data[in];
        else if (in + 1 >= size || data[in + 1] != '\n')
            data[out++] = loneEndsLine ? '\n' : '\r';
        ++in;
    };
#if defined(__SSE2__)
    const __m128i returns = _mm_set1_epi8('\r');
    while (in + 16 <= size) {
        const __m128i block = _mm_loadu_si128(reinterpret_cast<const __m128i*>(data + in));
        const auto found = static_cast<unsigned>(_mm_movemask_epi8(_mm_cmpeq_epi8(block, returns)));
        auto* const to = reinterpret_cast<__m128i*>(data + out);
        if (found == 0) {
            _mm_storeu_si128(to, block);
            in += 16;
            out += 16;
            continue;
        }
        const int at = std::countr_zero(found);
        if (std::has_single_bit(found) && at < 15 && data[in + at + 1] == '\n') {
            const __m128i before =
                _mm_loadu_si128(reinterpret_cast<const __m128i*>(kFirstBytes + 16 - at));
            _mm_storeu_si128(to, _mm_or_si128(_mm_and_si128(before, block),
                                              _mm_andnot_si128(before, _mm_srli_si128(block, 1))));
            in += 16;
            out += 15;
            continue;
        }
        for (const std::size_t end = in + 16; in < end;)
            takeByte();
    }
#endif
    while (in < size)
        takeByte();
    return out;
}
} // namespace

bool CTextSource::Open(const QString& path, Utf8Check check)
{
    m_error.clear();
    if (RegularFile::Refuses(path, m_error))
        return false;
    m_file.setFileName(path);
    if (!m_file.open(QIODevice::ReadOnly))
        return false;
    m_size = m_file.size();
    m_utf8Unchecked = check != Utf8Check::OnOpen;
    m_checkLines = check == Utf8Check::ByLines;
    const bool detected = m_utf8Unchecked ? DetectByteOrderMark() : DetectEncoding();
    return detected && Rewind();
}

bool CTextSource::OpenFrom(const CTextSource& other, qint64 start)
{
    m_error.clear();
    m_file.setFileName(other.m_file.fileName());
    if (!m_file.open(QIODevice::ReadOnly))
        return false;
    // The path may name another file by now (one saved over it): only the
    // very file other reads will do.
    struct stat mine = {};
    struct stat theirs = {};
    if (fstat(m_file.handle(), &mine) != 0 || fstat(other.m_file.handle(), &theirs) != 0 ||
        mine.st_dev != theirs.st_dev || mine.st_ino != theirs.st_ino) {
        m_file.close();
        return false;
    }
    m_size = other.m_size;
    m_bomSize = other.m_bomSize;
    m_decoding = other.m_decoding;
    m_utf8Unchecked = other.m_utf8Unchecked;
    m_checkLines = other.m_checkLines;
    m_loneCarriageReturnEndsLine = other.m_loneCarriageReturnEndsLine;
    m_readFrom = start;
    return Rewind();
}

QString CTextSource::ErrorString() const
{
    if (!m_error.isEmpty())
        return m_error;
    if (const int number = m_readAtError.load())
        return FileError::Reason(number, FileError::Access::Read);
    return FileError::ReasonOf(m_file, FileError::Access::Read);
}

bool CTextSource::DetectByteOrderMark()
{
    m_decoding = Decoding::Utf8;
    const QByteArray start = m_file.read(3);
    if (m_file.error() != QFileDevice::NoError)
        return false;
    m_bomSize = start == kUtf8Bom ? 3 : 0;
    return true;
}

bool CTextSource::ReadAsWindows1252()
{
    m_utf8Unchecked = false;
    m_decoding = Decoding::Windows1252;
    return Rewind();
}

qint64 CTextSource::ReadAt(qint64 offset, char* into, qint64 size) const
{
    qint64 done = 0;
    while (done < size) {
        const ssize_t got =
            pread(m_file.handle(), into + done, static_cast<std::size_t>(size - done),
                  static_cast<off_t>(offset + done));
        if (got == 0)
            break;
        if (got < 0) {
            if (errno == EINTR)
                continue;
            int none = 0;
            m_readAtError.compare_exchange_strong(none, errno);
            return -1;
        }
        done += got;
    }
    return done;
}

bool CTextSource::DetectEncoding()
{
    QByteArray carry;
    bool first = true;
    m_decoding = Decoding::Utf8;
    m_bomSize = 0;
    for (;;) {
        QByteArray chunk = carry + m_file.read(kChunkSize);
        if (m_file.error() != QFileDevice::NoError)
            return false;
        const bool last = m_file.atEnd() || chunk.size() == carry.size();
        if (first && chunk.startsWith(kUtf8Bom))
            m_bomSize = 3;
        first = false;
        const qsizetype tail = last ? 0 : IncompleteTail(chunk);
        // A byte-order mark is dropped even when the rest turns out not to
        // be UTF-8: read as Windows-1252 it would become "ï»¿".
        if (!QByteArrayView(chunk).chopped(tail).isValidUtf8()) {
            m_decoding = Decoding::Windows1252;
            return true;
        }
        if (last)
            return true;
        carry = chunk.right(tail);
    }
}

bool CTextSource::ReadAsForeignText()
{
    m_loneCarriageReturnEndsLine = true;
    return DetectUtf16() && Rewind();
}

// A UTF-8 byte-order mark is skipped whatever follows, so a UTF-16 one may
// come after it: what is left is read as it would be alone.
bool CTextSource::DetectUtf16()
{
    if (IsUtf16())
        return true;
    if (!m_file.seek(m_bomSize))
        return false;
    const QByteArray mark = m_file.read(2);
    if (m_file.error() != QFileDevice::NoError)
        return false;
    if (mark != kUtf16LeBom && mark != kUtf16BeBom)
        return true;
    m_decoding = mark == kUtf16LeBom ? Decoding::Utf16Le : Decoding::Utf16Be;
    m_bomSize += 2;
    return true;
}

TextEncoding CTextSource::Encoding() const
{
    return FoundEncoding() == TextEncoding::Windows1252 ? TextEncoding::Windows1252
                                                        : TextEncoding::Utf8;
}

TextEncoding CTextSource::FoundEncoding() const
{
    switch (m_decoding) {
    case Decoding::Windows1252:
        return TextEncoding::Windows1252;
    case Decoding::Utf16Le:
        return TextEncoding::Utf16Le;
    case Decoding::Utf16Be:
        return TextEncoding::Utf16Be;
    case Decoding::Utf8:
        break;
    }
    return TextEncoding::Utf8;
}

bool CTextSource::Rewind()
{
    const qint64 start = std::max(m_bomSize, m_readFrom);
    if (!m_file.seek(start))
        return false;
    m_rawRead = start;
    m_buffer.clear();
    m_pos = 0;
    m_eof = false;
    m_heldCarriageReturn = false;
    m_heldSurrogate.clear();
    m_lastRead = 0;
    m_lastDecoded = 0;
    m_uncheckedTail = 0;
    m_notUtf8 = false;
    if (m_decoding != Decoding::Utf8)
        m_decoder = CTextCodec::DecoderFor(FoundEncoding());
    return true;
}

// The text not yet handed out came from about as many bytes on disk as the
// last read's share of bytes per byte of UTF-8 says: UTF-16 takes twice as
// many for most text.
qint64 CTextSource::Position() const
{
    qint64 pending = static_cast<qint64>(m_buffer.size() - m_pos);
    if (m_lastDecoded > 0)
        pending = pending * m_lastRead / m_lastDecoded;
    return std::clamp<qint64>(m_rawRead - pending, 0, m_size);
}

bool CTextSource::AtEnd() const
{
    return m_eof && m_pos >= m_buffer.size();
}

bool CTextSource::PeekFirstByte(char& first)
{
    while (m_pos >= m_buffer.size()) {
        if (!Fill())
            return false;
    }
    first = m_buffer[m_pos];
    return true;
}

bool CTextSource::Fill()
{
    if (m_eof)
        return false;
    m_buffer.EraseFront(m_pos);
    m_pos = 0;
    const std::size_t from = m_buffer.size();
    if (m_heldCarriageReturn) {
        m_buffer.push_back('\r');
        m_heldCarriageReturn = false;
    }
    const std::size_t start = m_buffer.size();
    // No larger than what is left of the file (a file that grew meanwhile is
    // read on in smaller pieces): most files are small, and each byte of the
    // buffer is cleared before it is read into.
    const qint64 wanted = std::clamp<qint64>(m_size - m_rawRead, kMinChunkSize, kChunkSize);
    m_buffer.resize(start + static_cast<std::size_t>(wanted));
    const qint64 got = std::max<qint64>(0, m_file.read(m_buffer.data() + start, wanted));
    m_buffer.resize(start + static_cast<std::size_t>(got));
    m_rawRead += got;
    if (got == 0 || m_file.atEnd())
        m_eof = true;
    if (m_decoding != Decoding::Utf8)
        DecodeToUtf8(start);
    else if (m_checkLines && m_utf8Unchecked)
        CheckUtf8(start);
    if (got > 0) {
        m_lastRead = got;
        m_lastDecoded = static_cast<qint64>(m_buffer.size() - start);
    }
    EndLines(from);
    return true;
}

// Replaces the bytes read from start on by their UTF-8. A surrogate pair
// that the read cuts in two waits for its second half; a UTF-16 file whose
// last character lacks a byte ends with U+FFFD.
void CTextSource::DecodeToUtf8(std::size_t start)
{
    const QByteArrayView raw(m_buffer.data() + start,
                             static_cast<qsizetype>(m_buffer.size() - start));
    QString text = std::exchange(m_heldSurrogate, QString());
    text += m_decoder(raw);
    if (!m_eof && !text.isEmpty() && text.back().isHighSurrogate()) {
        m_heldSurrogate = text.back();
        text.chop(1);
    }
    if (m_eof && IsUtf16() && (m_rawRead - m_bomSize) % 2 != 0)
        text += QChar::ReplacementCharacter;
    const QByteArray utf8 = text.toUtf8();
    m_buffer.ReplaceTail(start, utf8.constData(), static_cast<std::size_t>(utf8.size()));
}

// Checks the bytes read from start on, with those the previous read cut off
// in the middle of a character, and keeps those this one cuts off for the
// next. Once all is read and checked, the file is known to be UTF-8.
void CTextSource::CheckUtf8(std::size_t start)
{
    const std::size_t from = start - std::min(start, m_uncheckedTail);
    const QByteArrayView read(m_buffer.data() + from,
                              static_cast<qsizetype>(m_buffer.size() - from));
    m_uncheckedTail = m_eof ? 0 : static_cast<std::size_t>(IncompleteTail(read));
    if (!read.chopped(static_cast<qsizetype>(m_uncheckedTail)).isValidUtf8())
        m_notUtf8 = true;
    if (m_eof && !m_notUtf8)
        ConfirmUtf8();
}

// Text mode: CR LF reaches the reader as LF, and so does a lone CR when it
// ends a line. A CR that ends the chunk waits for the next one to know what
// follows it.
void CTextSource::EndLines(std::size_t from)
{
    if (!m_eof && !m_buffer.empty() && m_buffer.back() == '\r') {
        m_buffer.pop_back();
        m_heldCarriageReturn = true;
    }
    m_buffer.resize(
        DropCarriageReturns(m_buffer.data(), from, m_buffer.size(), m_loneCarriageReturnEndsLine));
}

bool CTextSource::ReadLine(std::string_view& line, char lineEnd, bool* endedByDelimiter)
{
    std::size_t searchFrom = m_pos;
    for (;;) {
        const char* begin = m_buffer.data() + searchFrom;
        const auto* hit =
            static_cast<const char*>(std::memchr(begin, lineEnd, m_buffer.size() - searchFrom));
        if (hit) {
            const std::size_t end = hit - m_buffer.data();
            line = std::string_view(m_buffer.data() + m_pos, end - m_pos);
            m_pos = end + 1;
            if (endedByDelimiter)
                *endedByDelimiter = true;
            return true;
        }
        const std::size_t scanned = m_buffer.size() - m_pos;
        if (!Fill())
            break;
        searchFrom = m_pos + scanned;
    }
    if (m_pos >= m_buffer.size())
        return false;
    line = std::string_view(m_buffer.data() + m_pos, m_buffer.size() - m_pos);
    m_pos = m_buffer.size();
    if (endedByDelimiter)
        *endedByDelimiter = false;
    return true;
}
