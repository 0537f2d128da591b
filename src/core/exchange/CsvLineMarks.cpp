#include "exchange/CsvLineMarks.h"

#include <cstring>

#if defined(__SSE2__)
#include <immintrin.h>
#endif

namespace {

// Which of sixty-four bytes are a line feed, a TAB or CR, the quote, the
// separator.
struct WordBits
{
    std::uint64_t feeds = 0;
    std::uint64_t breaks = 0;
    std::uint64_t quotes = 0;
    std::uint64_t separators = 0;
};

using MarkWordFunction = WordBits (*)(const char* bytes, char quote, char separator);

#if defined(__SSE2__)
WordBits MarkWord16(const char* bytes, char quote, char separator)
{
    const __m128i feed = _mm_set1_epi8('\n');
    const __m128i tab = _mm_set1_epi8('\t');
    const __m128i ret = _mm_set1_epi8('\r');
    const __m128i quotes = _mm_set1_epi8(quote);
    const __m128i separators = _mm_set1_epi8(separator);
    const auto bits = [](__m128i found, int part) {
        return std::uint64_t{static_cast<std::uint16_t>(_mm_movemask_epi8(found))} << (16 * part);
    };
    WordBits word;
    for (int part = 0; part < 4; ++part) {
        const __m128i v = _mm_loadu_si128(reinterpret_cast<const __m128i*>(bytes + 16 * part));
        word.feeds |= bits(_mm_cmpeq_epi8(v, feed), part);
        word.breaks |= bits(_mm_or_si128(_mm_cmpeq_epi8(v, tab), _mm_cmpeq_epi8(v, ret)), part);
        word.quotes |= bits(_mm_cmpeq_epi8(v, quotes), part);
        word.separators |= bits(_mm_cmpeq_epi8(v, separators), part);
    }
    return word;
}

__attribute__((target("avx2"))) WordBits MarkWord32(const char* bytes, char quote, char separator)
{
    const __m256i feed = _mm256_set1_epi8('\n');
    const __m256i tab = _mm256_set1_epi8('\t');
    const __m256i ret = _mm256_set1_epi8('\r');
    const __m256i quotes = _mm256_set1_epi8(quote);
    const __m256i separators = _mm256_set1_epi8(separator);
    const auto bits = [](__m256i found, int part) __attribute__((target("avx2")))
    {
        return std::uint64_t{static_cast<std::uint32_t>(_mm256_movemask_epi8(found))}
               << (32 * part);
    };
    WordBits word;
    for (int part = 0; part < 2; ++part) {
        const __m256i v = _mm256_loadu_si256(reinterpret_cast<const __m256i*>(bytes + 32 * part));
        word.feeds |= bits(_mm256_cmpeq_epi8(v, feed), part);
        word.breaks |=
            bits(_mm256_or_si256(_mm256_cmpeq_epi8(v, tab), _mm256_cmpeq_epi8(v, ret)), part);
        word.quotes |= bits(_mm256_cmpeq_epi8(v, quotes), part);
        word.separators |= bits(_mm256_cmpeq_epi8(v, separators), part);
    }
    return word;
}

// Thirty-two bytes at a time where the processor can.
MarkWordFunction g_markWord = [] {
    __builtin_cpu_init();
    return __builtin_cpu_supports("avx2") ? MarkWord32 : MarkWord16;
}();
#else
WordBits MarkWordBytes(const char* bytes, char quote, char separator)
{
    WordBits word;
    for (int i = 0; i < 64; ++i) {
        const char c = bytes[i];
        const std::uint64_t bit = std::uint64_t{1} << i;
        word.feeds |= c == '\n' ? bit : 0;
        word.breaks |= c == '\t' || c == '\r' ? bit : 0;
        word.quotes |= c == quote ? bit : 0;
        word.separators |= c == separator ? bit : 0;
    }
    return word;
}

MarkWordFunction g_markWord = MarkWordBytes;
#endif

} // namespace

bool CsvLineMarks::UseWideVectors(bool use)
{
#if defined(__SSE2__)
    __builtin_cpu_init();
    if (use && !__builtin_cpu_supports("avx2"))
        return false;
    g_markWord = use ? MarkWord32 : MarkWord16;
    return true;
#else
    return !use;
#endif
}

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
        const char* bytes = text.data() + 64 * word;
        const std::size_t left = text.size() - 64 * word;
        std::uint64_t inText = ~std::uint64_t{0};
        // The text's last bytes are looked at in a copy, not read past.
        if (left < 64) {
            std::memcpy(last, bytes, left);
            bytes = last;
            inText = (std::uint64_t{1} << left) - 1;
        }
        const WordBits bits = g_markWord(bytes, quote, separator);
        const std::uint64_t feeds = bits.feeds & inText;
        // The bits before the first LF, when there is one.
        const std::uint64_t inLine = feeds != 0 ? (feeds & (~feeds + 1)) - 1 : inText;
        if (bits.breaks & inLine)
            return false;
        Grow(word + 1);
        m_quotes[word] = bits.quotes & inLine;
        m_separators[word] = bits.separators & inLine;
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
