#include "io/LineStarts.h"

#include <QFile>

#include <algorithm>
#include <cstring>

namespace {

constexpr qint64 kChunkSize = 1 << 20;

// The code unit at p, in the file's byte order; single bytes stand alone.
struct Units
{
    int width;
    bool bigEndian;

    char16_t At(const char* p) const
    {
        const auto first = static_cast<unsigned char>(p[0]);
        if (width == 1)
            return first;
        const auto second = static_cast<unsigned char>(p[1]);
        return bigEndian ? static_cast<char16_t>(first << 8 | second)
                         : static_cast<char16_t>(second << 8 | first);
    }
};

// Finds the CRs and LFs of one buffer in turn. Single bytes are looked for
// with memchr, each kind apart: most files hold only one of them.
class BreakFinder
{
public:
    BreakFinder(const char* data, std::size_t end, const Units& units)
        : m_data(data), m_end(end), m_units(units)
    {
    }

    // The offset of the next CR or LF at or after from, or the end.
    std::size_t Next(std::size_t from)
    {
        if (m_units.width == 2) {
            for (std::size_t i = from; i + 1 < m_end; i += 2) {
                const char16_t c = m_units.At(m_data + i);
                if (c == u'\n' || c == u'\r')
                    return i;
            }
            return m_end;
        }
        if (!m_started || m_cr < from)
            m_cr = Find(from, '\r');
        if (!m_started || m_lf < from)
            m_lf = Find(from, '\n');
        m_started = true;
        return std::min(m_cr, m_lf);
    }

private:
    std::size_t Find(std::size_t from, char c) const
    {
        const void* hit = std::memchr(m_data + from, c, m_end - from);
        return hit ? static_cast<std::size_t>(static_cast<const char*>(hit) - m_data) : m_end;
    }

    const char* m_data;
    std::size_t m_end;
    const Units& m_units;
    // The next CR and LF found, valid while at or after the offset asked.
    std::size_t m_cr = 0;
    std::size_t m_lf = 0;
    bool m_started = false;
};

} // namespace

bool CLineStarts::Find(const QString& path, qint64 textStart, TextEncoding encoding,
                       std::vector<std::uint64_t>& lines)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly) || !file.seek(textStart))
        return false;
    m_size = file.size();
    m_ends = {};
    const bool utf16 = encoding == TextEncoding::Utf16Le || encoding == TextEncoding::Utf16Be;
    const Units units{utf16 ? 2 : 1, encoding == TextEncoding::Utf16Be};
    const auto width = static_cast<std::size_t>(units.width);

    std::vector<char> buffer(static_cast<std::size_t>(kChunkSize) + width);
    std::size_t wanted = 0;
    std::uint64_t line = 0;
    // Where the buffer starts in the file, and how much of it holds bytes.
    qint64 base = textStart;
    std::size_t filled = 0;
    bool pendingCr = false;
    qint64 pendingCrAt = 0;
    char16_t last = 0;
    const auto lineStartsAt = [&](qint64 offset) {
        ++line;
        while (wanted < lines.size() && lines[wanted] == line)
            lines[wanted++] = static_cast<std::uint64_t>(offset);
    };
    while (wanted < lines.size() && lines[wanted] == 0)
        lines[wanted++] = static_cast<std::uint64_t>(textStart);

    for (;;) {
        const qint64 got = file.read(buffer.data() + filled, kChunkSize);
        if (got < 0)
            return false;
        filled += static_cast<std::size_t>(got);
        const bool atEnd = got == 0;
        // Whole units only; an odd byte left at the end is not a line end.
        const std::size_t usable = filled - filled % width;
        std::size_t i = 0;
        if (pendingCr && usable >= width) {
            pendingCr = false;
            const bool crLf = units.At(buffer.data()) == u'\n';
            if (crLf) {
                ++m_ends.crLf;
                i = width;
                lineStartsAt(base + static_cast<qint64>(width));
            } else {
                ++m_ends.cr;
                lineStartsAt(pendingCrAt + static_cast<qint64>(width));
            }
        }
        BreakFinder breaks(buffer.data(), usable, units);
        for (;;) {
            i = breaks.Next(i);
            if (i >= usable)
                break;
            const char16_t c = units.At(buffer.data() + i);
            if (c == u'\n') {
                ++m_ends.lf;
                i += width;
                lineStartsAt(base + static_cast<qint64>(i));
                continue;
            }
            if (i + width >= usable) {
                // A CR at the buffer's end: the next read tells what follows.
                pendingCr = true;
                pendingCrAt = base + static_cast<qint64>(i);
                i += width;
                break;
            }
            if (units.At(buffer.data() + i + width) == u'\n') {
                ++m_ends.crLf;
                i += 2 * width;
            } else {
                ++m_ends.cr;
                i += width;
            }
            lineStartsAt(base + static_cast<qint64>(i));
        }
        if (usable >= width)
            last = units.At(buffer.data() + usable - width);
        if (atEnd)
            break;
        // Keep an odd byte of UTF-16 for the next read.
        const std::size_t kept = filled - usable;
        std::memmove(buffer.data(), buffer.data() + usable, kept);
        base += static_cast<qint64>(usable);
        filled = kept;
    }
    if (pendingCr) {
        ++m_ends.cr;
        lineStartsAt(pendingCrAt + static_cast<qint64>(width));
    }
    // A UTF-16 file may end with a byte alone, which is text, not a line end.
    const bool oddByte = (m_size - textStart) % static_cast<qint64>(width) != 0;
    m_finalLineEnd = m_size <= textStart || ((last == u'\n' || last == u'\r') && !oddByte);
    for (; wanted < lines.size(); ++wanted)
        lines[wanted] = static_cast<std::uint64_t>(m_size);
    return file.error() == QFileDevice::NoError;
}
