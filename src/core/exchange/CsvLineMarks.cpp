#include "exchange/CsvLineMarks.h"

#include <cstring>

#if defined(__SSE2__)
#include <emmintrin.h>
#endif

namespace {

// Sixty-four bytes of a line, and which of them are some byte.
struct Chunk
{
    const char* bytes;

#if defined(__SSE2__)
    std::uint64_t Bits(char wanted) const
    {
        const __m128i lanes = _mm_set1_epi8(wanted);
        std::uint64_t bits = 0;
        for (int part = 0; part < 4; ++part) {
            const __m128i v = _mm_loadu_si128(reinterpret_cast<const __m128i*>(bytes + 16 * part));
            const auto found =
                static_cast<std::uint16_t>(_mm_movemask_epi8(_mm_cmpeq_epi8(v, lanes)));
            bits |= std::uint64_t{found} << (16 * part);
        }
        return bits;
    }
#else
    std::uint64_t Bits(char wanted) const
    {
        std::uint64_t bits = 0;
        for (int i = 0; i < 64; ++i)
            bits |= std::uint64_t{bytes[i] == wanted} << i;
        return bits;
    }
#endif
};

} // namespace

void CsvLineMarks::Grow(std::size_t words)
{
    if (m_quotes.size() < words) {
        m_quotes.resize(words);
        m_separators.resize(words);
        m_fieldEnds.resize(words);
    }
}

bool CsvLineMarks::Mark(std::string_view line, char quote, char separator)
{
    bool ended = false;
    return MarkUpToLineEnd(line, quote, separator, ended);
}

bool CsvLineMarks::MarkLine(std::string_view text, char quote, char separator,
                            std::size_t& lineSize)
{
    bool ended = false;
    if (!MarkUpToLineEnd(text, quote, separator, ended) || !ended)
        return false;
    lineSize = m_size;
    return true;
}

// The line's end is looked for with its quotes and separators: the text
// after it is read at most to the end of its sixty-four bytes. Marks text
// up to its first LF (ended) or to its end.
bool CsvLineMarks::MarkUpToLineEnd(std::string_view text, char quote, char separator, bool& ended)
{
    char last[64] = {};
    for (std::size_t word = 0;; ++word) {
        Chunk chunk{text.data() + 64 * word};
        const std::size_t left = text.size() - 64 * word;
        std::uint64_t inText = ~std::uint64_t{0};
        // The text's last bytes are looked at in a copy, not read past.
        if (left < 64) {
            std::memcpy(last, chunk.bytes, left);
            chunk.bytes = last;
            inText = (std::uint64_t{1} << left) - 1;
        }
        const std::uint64_t feeds = chunk.Bits('\n') & inText;
        // The bits before the first LF, when there is one.
        const std::uint64_t inLine = feeds != 0 ? (feeds & (~feeds + 1)) - 1 : inText;
        if ((chunk.Bits('\t') | chunk.Bits('\r')) & inLine)
            return false;
        Grow(word + 1);
        m_quotes[word] = chunk.Bits(quote) & inLine;
        m_separators[word] = chunk.Bits(separator) & inLine;
        ended = feeds != 0;
        if (ended || left <= 64) {
            m_size =
                ended ? 64 * word + static_cast<std::size_t>(__builtin_ctzll(feeds)) : text.size();
            m_words = (m_size + 63) / 64;
            FindFieldEnds();
            return true;
        }
    }
}

namespace {

// Bit b set when an odd number of bits up to b, b included, are.
std::uint64_t PrefixParity(std::uint64_t bits)
{
    for (int shift = 1; shift < 64; shift *= 2)
        bits ^= bits << shift;
    return bits;
}

} // namespace

// A quote opens or closes a quoted stretch by turns; the separators inside
// one are text.
void CsvLineMarks::FindFieldEnds()
{
    std::uint64_t inside = 0;
    for (std::size_t word = 0; word < m_words; ++word) {
        const std::uint64_t quoted =
            PrefixParity(m_quotes[word]) ^ (inside ? ~std::uint64_t{0} : 0);
        m_fieldEnds[word] = m_separators[word] & ~quoted;
        inside = quoted >> 63;
    }
    // After a field end (or at the start), or before one (or at the end).
    std::uint64_t quotesOffEdges = 0;
    for (std::size_t word = 0; word < m_words; ++word) {
        const std::uint64_t endBefore = word == 0 ? 1 : m_fieldEnds[word - 1] >> 63;
        const std::uint64_t endAfter = word + 1 < m_words ? m_fieldEnds[word + 1] << 63 : 0;
        std::uint64_t edges =
            (m_fieldEnds[word] << 1 | endBefore) | (m_fieldEnds[word] >> 1 | endAfter);
        if (word * 64 + 64 >= m_size)
            edges |= std::uint64_t{1} << ((m_size - 1) % 64);
        quotesOffEdges |= m_quotes[word] & ~edges;
    }
    m_quotesAtEdges = quotesOffEdges == 0;
}
