#pragma once

#include <cstddef>
#include <cstdint>
#include <string_view>
#include <vector>

// Where the quotes and separators of one CSV line stand, as one bit per
// byte, found sixty-four bytes at a time: a reader then goes from field to
// field with a few bit operations instead of searching the text again for
// each field.
class CsvLineMarks
{
public:
    // Marks the quotes and separators of line, which holds no LF; false, the
    // marks being of no use, when the line holds a TAB or CR, which a row
    // cannot keep as they stand.
    bool Mark(std::string_view line, char quote, char separator);
    // Marks the first line of text, up to its first LF, and tells its size;
    // false when text holds no LF, or the line a TAB or CR.
    bool MarkLine(std::string_view text, char quote, char separator, std::size_t& lineSize);

    // The first quote, or separator, at from or after; the line's size when
    // there is none.
    std::size_t NextQuote(std::size_t from) const { return Next(m_quotes, from); }
    std::size_t NextSeparator(std::size_t from) const { return Next(m_separators, from); }

    // True when every quote stands at a field's edge, the fields being cut
    // at the separators outside quotes: first after such a separator or
    // the line's start, or last before one or the line's end. A field then
    // holds a quote only at its edges.
    bool QuotesAtEdges() const { return m_quotesAtEdges; }
    // The first separator outside quotes at from or after, or the line's
    // size.
    std::size_t NextFieldEnd(std::size_t from) const { return Next(m_fieldEnds, from); }

    // Lines are marked thirty-two bytes at a time where the processor can,
    // else sixteen; tests choose. False when the processor cannot.
    static bool UseWideVectors(bool use);

private:
    std::size_t Next(const std::vector<std::uint64_t>& bits, std::size_t from) const
    {
        std::size_t word = from / 64;
        if (word >= m_words)
            return m_size;
        std::uint64_t left = bits[word] & (~std::uint64_t{0} << (from % 64));
        while (left == 0) {
            if (++word >= m_words)
                return m_size;
            left = bits[word];
        }
        return word * 64 + static_cast<std::size_t>(__builtin_ctzll(left));
    }

    std::size_t m_size = 0;
    std::size_t m_words = 0;
    // Bit b of word w stands for byte 64 w + b; none is set past the line.
    std::vector<std::uint64_t> m_quotes;
    std::vector<std::uint64_t> m_separators;
    std::vector<std::uint64_t> m_fieldEnds;
    bool m_quotesAtEdges = false;

    bool MarkUpToLineEnd(std::string_view text, char quote, char separator, bool& ended);
    void FindFieldEnds();
    void Grow(std::size_t words);
};
