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
    const Lanes lanes(m_bytes);
    for (; i + 16 <= size; i += 16) {
        for (unsigned mask = lanes.Marks(data + i); mask != 0; mask &= mask - 1)
            *out++ = static_cast<std::uint32_t>(i + static_cast<std::size_t>(__builtin_ctz(mask)));
    }
#endif
    for (; i < size; ++i) {
        if (IsMark(data[i]))
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
    const Lanes lanes(m_bytes);
    for (; i + 16 <= size; i += 16) {
        // The bytes looked for are few: one step per byte found beats a
        // population count, which plain x86-64 has no instruction for.
        for (unsigned mask = lanes.Marks(data + i); mask != 0; mask &= mask - 1)
            ++count;
    }
#endif
    for (; i < size; ++i) {
        if (IsMark(data[i]))
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
    const Lanes lanes(m_bytes);
    for (; i + 16 <= size; i += 16) {
        if (const unsigned mask = lanes.Marks(data + i); mask != 0)
            return i + static_cast<std::size_t>(__builtin_ctz(mask));
    }
#endif
    for (; i < size; ++i) {
        if (IsMark(data[i]))
            return i;
    }
    return std::string_view::npos;
}
