#include "io/LineChunks.h"

#include "io/TextSource.h"
#include "memory/LargeMemory.h"

#include <cstring>

#if defined(__SSE2__)
#include <emmintrin.h>
#endif

namespace {

constexpr std::size_t kChunkSize = std::size_t{1} << 20;
constexpr qint64 kProbeSize = 1 << 16;

} // namespace

CLineChunks::CLineChunks(const CTextSource& source, qint64 begin, qint64 end)
    : m_source(source), m_next(begin), m_end(end)
{
    m_capacity = kChunkSize;
    m_buffer = static_cast<char*>(LargeMemory::Allocate(m_capacity));
}

CLineChunks::~CLineChunks()
{
    LargeMemory::Free(m_buffer, m_capacity);
}

// A line longer than the buffer doubles it.
void CLineChunks::Grow()
{
    const std::size_t capacity = m_capacity * 2;
    auto* buffer = static_cast<char*>(LargeMemory::Allocate(capacity));
    std::memcpy(buffer, m_buffer + m_start, m_filled - m_start);
    LargeMemory::Free(m_buffer, m_capacity);
    m_buffer = buffer;
    m_capacity = capacity;
    m_filled -= m_start;
    m_start = 0;
}

bool CLineChunks::Next(std::string_view& lines)
{
    // The unfinished line the last chunk left moves to the buffer's start.
    std::memmove(m_buffer, m_buffer + m_start, m_filled - m_start);
    m_filled -= m_start;
    m_start = 0;
    for (;;) {
        const bool atEnd = m_next >= m_end;
        if (!atEnd) {
            if (m_filled == m_capacity)
                Grow();
            const qint64 wanted =
                std::min<qint64>(static_cast<qint64>(m_capacity - m_filled), m_end - m_next);
            const qint64 got = m_source.ReadAt(m_next, m_buffer + m_filled, wanted);
            if (got < 0)
                return false;
            // A file cut short while being read ends where it now ends.
            if (got == 0)
                m_end = m_next;
            m_next += got;
            m_filled += static_cast<std::size_t>(got);
        }
        if (m_filled == 0)
            return false;
        const auto* last = static_cast<const char*>(memrchr(m_buffer, '\n', m_filled));
        if (last || m_next >= m_end) {
            m_start =
                last && m_next < m_end ? static_cast<std::size_t>(last - m_buffer) + 1 : m_filled;
            lines = std::string_view(m_buffer, m_start);
            m_done.fetch_add(static_cast<qint64>(m_start), std::memory_order_relaxed);
            return true;
        }
    }
}

std::vector<qint64> CLineChunks::SplitAtLineEnds(const CTextSource& source, qint64 textStart,
                                                 qint64 size, int count)
{
    std::vector<qint64> starts{textStart};
    std::vector<char> probe(static_cast<std::size_t>(kProbeSize));
    for (int k = 1; k < count; ++k) {
        qint64 at = std::max(starts.back(), textStart + (size - textStart) * k / count);
        for (;;) {
            const qint64 got = source.ReadAt(at, probe.data(), kProbeSize);
            if (got < 0)
                return {textStart, size};
            const auto* end = static_cast<const char*>(std::memchr(probe.data(), '\n', got));
            if (end) {
                at += end - probe.data() + 1;
                break;
            }
            at += got;
            if (got == 0 || at >= size)
                break;
        }
        if (at >= size)
            break;
        if (at > starts.back())
            starts.push_back(at);
    }
    starts.push_back(size);
    return starts;
}

std::uint64_t CLineChunks::CountLineEnds(std::string_view lines)
{
    const char* const data = lines.data();
    const std::size_t size = lines.size();
    std::uint64_t count = 0;
    std::size_t i = 0;
#if defined(__SSE2__)
    // Each of sixteen byte counters goes up by one for a LF, or for a CR not
    // followed by a LF, and they are added up before any can overflow.
    const __m128i feeds = _mm_set1_epi8('\n');
    const __m128i returns = _mm_set1_epi8('\r');
    while (i + 16 < size) {
        __m128i counters = _mm_setzero_si128();
        for (int step = 0; step < 255 && i + 16 < size; ++step, i += 16) {
            const __m128i v = _mm_loadu_si128(reinterpret_cast<const __m128i*>(data + i));
            const __m128i next = _mm_loadu_si128(reinterpret_cast<const __m128i*>(data + i + 1));
            const __m128i ends = _mm_or_si128(
                _mm_cmpeq_epi8(v, feeds),
                _mm_andnot_si128(_mm_cmpeq_epi8(next, feeds), _mm_cmpeq_epi8(v, returns)));
            counters = _mm_sub_epi8(counters, ends);
        }
        const __m128i sums = _mm_sad_epu8(counters, _mm_setzero_si128());
        count += static_cast<std::uint64_t>(_mm_cvtsi128_si32(sums)) +
                 static_cast<std::uint64_t>(_mm_extract_epi16(sums, 4));
    }
#endif
    for (; i < size; ++i) {
        if (data[i] == '\n' || (data[i] == '\r' && (i + 1 == size || data[i + 1] != '\n')))
            ++count;
    }
    return count;
}
