#pragma once

#include <cstddef>
#include <cstdint>
#include <memory>
#include <string_view>

#if defined(__SSE2__)
#include <emmintrin.h>
#endif

// The room CByteScan::CopyUntil may write past what it copies.
inline constexpr std::size_t kCopySlack = 16;

// Finds where any of a few bytes stand in a text: the separators, quotes,
// escapes and line ends a reader or writer stops at. Sixteen bytes are
// compared at once (SSE2, which every x86-64 processor has; other machines
// compare byte by byte), so a reader walks the places found instead of every
// byte, and no per-field search is started again and again.
class CByteScan
{
public:
    // bytes: one to four bytes.
    explicit CByteScan(std::string_view bytes);

    // The offsets in text of every byte that is one of the bytes, in
    // increasing order; valid until the next call.
    struct Found
    {
        const std::uint32_t* offsets;
        std::size_t count;
    };
    // text must be shorter than 4 GB.
    Found FindAll(std::string_view text);

    // Where the first of the bytes stands in text from from on, or npos.
    std::size_t Find(std::string_view text, std::size_t from = 0) const;

    // How many of text's bytes are one of the bytes.
    std::size_t Count(std::string_view text) const;

    // Copies text to out up to the first of the bytes and returns how many
    // bytes it copied (the text's size when none is there). Writers escape
    // cells with it: runs of plain bytes move sixteen at a time, with no
    // call per run. Up to 15 bytes past the copy may be overwritten, so out
    // needs that much room beyond the text's size.
    std::size_t CopyUntil(std::string_view text, char* out) const
    {
        const char* const data = text.data();
        const std::size_t size = text.size();
        std::size_t i = 0;
#if defined(__SSE2__)
        const Lanes lanes(m_bytes);
        for (; i + 16 <= size; i += 16) {
            const __m128i v = _mm_loadu_si128(reinterpret_cast<const __m128i*>(data + i));
            _mm_storeu_si128(reinterpret_cast<__m128i*>(out + i), v);
            if (const unsigned mask = lanes.Marks(v); mask != 0)
                return i + static_cast<std::size_t>(__builtin_ctz(mask));
        }
#endif
        for (; i < size && !IsMark(data[i]); ++i)
            out[i] = data[i];
        return i;
    }

private:
    bool IsMark(char byte) const
    {
        return byte == m_bytes[0] || byte == m_bytes[1] || byte == m_bytes[2] || byte == m_bytes[3];
    }
#if defined(__SSE2__)
    // The four bytes, each in every lane of a register.
    struct Lanes
    {
        explicit Lanes(const char (&bytes)[4])
            : a(_mm_set1_epi8(bytes[0])), b(_mm_set1_epi8(bytes[1])), c(_mm_set1_epi8(bytes[2])),
              d(_mm_set1_epi8(bytes[3]))
        {
        }
        // One bit for each of the sixteen bytes that is one of the four.
        unsigned Marks(__m128i v) const
        {
            const __m128i hits =
                _mm_or_si128(_mm_or_si128(_mm_cmpeq_epi8(v, a), _mm_cmpeq_epi8(v, b)),
                             _mm_or_si128(_mm_cmpeq_epi8(v, c), _mm_cmpeq_epi8(v, d)));
            return static_cast<unsigned>(_mm_movemask_epi8(hits));
        }
        unsigned Marks(const char* at) const
        {
            return Marks(_mm_loadu_si128(reinterpret_cast<const __m128i*>(at)));
        }
        __m128i a, b, c, d;
    };
#endif

    char m_bytes[4];
    std::unique_ptr<std::uint32_t[]> m_offsets;
    std::size_t m_capacity = 0;
};
