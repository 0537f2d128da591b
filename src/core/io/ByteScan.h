#pragma once

#include <cstddef>
#include <cstdint>
#include <memory>
#include <string_view>

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

private:
    char m_bytes[4];
    std::unique_ptr<std::uint32_t[]> m_offsets;
    std::size_t m_capacity = 0;
};
