#include "io/ByteScan.h"

CByteScan::CByteScan(std::string_view bytes)
{
    for (std::size_t i = 0; i < 4; ++i)
        m_bytes[i] = bytes[i < bytes.size() ? i : 0];
}

CByteScan::Found CByteScan::FindAll(std::string_view text)
{
    const std::size_t size = text.size();
    // Every byte may be one of them: room for one offset a byte, kept from
    // call to call.
    if (m_capacity < size) {
        m_capacity = size;
        m_offsets = std::make_unique_for_overwrite<std::uint32_t[]>(size);
    }
    std::uint32_t* out = m_offsets.get();
    const char* const data = text.data();
    std::size_t i = 0;
#if defined(__SSE2__)
    const __m128i a = _mm_set1_epi8(m_bytes[0]);
    const __m128i b = _mm_set1_epi8(m_bytes[1]);
    const __m128i c = _mm_set1_epi8(m_bytes[2]);
    const __m128i d = _mm_set1_epi8(m_bytes[3]);
    for (; i + 16 <= size; i += 16) {
        const __m128i v = _mm_loadu_si128(reinterpret_cast<const __m128i*>(data + i));
        const __m128i hits = _mm_or_si128(_mm_or_si128(_mm_cmpeq_epi8(v, a), _mm_cmpeq_epi8(v, b)),
                                          _mm_or_si128(_mm_cmpeq_epi8(v, c), _mm_cmpeq_epi8(v, d)));
        auto mask = static_cast<unsigned>(_mm_movemask_epi8(hits));
        while (mask != 0) {
            *out++ = static_cast<std::uint32_t>(i + static_cast<std::size_t>(__builtin_ctz(mask)));
            mask &= mask - 1;
        }
    }
#endif
    for (; i < size; ++i) {
        const char byte = data[i];
        if (byte == m_bytes[0] || byte == m_bytes[1] || byte == m_bytes[2] || byte == m_bytes[3])
            *out++ = static_cast<std::uint32_t>(i);
    }
    return {m_offsets.get(), static_cast<std::size_t>(out - m_offsets.get())};
}

std::size_t CByteScan::Count(std::string_view text) const
{
    const char* const data = text.data();
    const std::size_t size = text.size();
    std::size_t count = 0;
    std::size_t i = 0;
#if defined(__SSE2__)
    const __m128i a = _mm_set1_epi8(m_bytes[0]);
    const __m128i b = _mm_set1_epi8(m_bytes[1]);
    const __m128i c = _mm_set1_epi8(m_bytes[2]);
    const __m128i d = _mm_set1_epi8(m_bytes[3]);
    for (; i + 16 <= size; i += 16) {
        const __m128i v = _mm_loadu_si128(reinterpret_cast<const __m128i*>(data + i));
        const __m128i hits = _mm_or_si128(_mm_or_si128(_mm_cmpeq_epi8(v, a), _mm_cmpeq_epi8(v, b)),
                                          _mm_or_si128(_mm_cmpeq_epi8(v, c), _mm_cmpeq_epi8(v, d)));
        // The bytes looked for are few: one step per byte found beats a
        // population count, which plain x86-64 has no instruction for.
        for (auto mask = static_cast<unsigned>(_mm_movemask_epi8(hits)); mask != 0;
             mask &= mask - 1)
            ++count;
    }
#endif
    for (; i < size; ++i) {
        const char byte = data[i];
        if (byte == m_bytes[0] || byte == m_bytes[1] || byte == m_bytes[2] || byte == m_bytes[3])
            ++count;
    }
    return count;
}

std::size_t CByteScan::Find(std::string_view text, std::size_t from) const
{
    const char* const data = text.data();
    const std::size_t size = text.size();
    std::size_t i = from;
#if defined(__SSE2__)
    const __m128i a = _mm_set1_epi8(m_bytes[0]);
    const __m128i b = _mm_set1_epi8(m_bytes[1]);
    const __m128i c = _mm_set1_epi8(m_bytes[2]);
    const __m128i d = _mm_set1_epi8(m_bytes[3]);
    for (; i + 16 <= size; i += 16) {
        const __m128i v = _mm_loadu_si128(reinterpret_cast<const __m128i*>(data + i));
        const __m128i hits = _mm_or_si128(_mm_or_si128(_mm_cmpeq_epi8(v, a), _mm_cmpeq_epi8(v, b)),
                                          _mm_or_si128(_mm_cmpeq_epi8(v, c), _mm_cmpeq_epi8(v, d)));
        const auto mask = static_cast<unsigned>(_mm_movemask_epi8(hits));
        if (mask != 0)
            return i + static_cast<std::size_t>(__builtin_ctz(mask));
    }
#endif
    for (; i < size; ++i) {
        const char byte = data[i];
        if (byte == m_bytes[0] || byte == m_bytes[1] || byte == m_bytes[2] || byte == m_bytes[3])
            return i;
    }
    return std::string_view::npos;
}
