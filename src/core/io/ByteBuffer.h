#pragma once

#include <algorithm>
#include <cstddef>
#include <cstring>
#include <memory>

// Bytes held like a std::string's, in a buffer that grows without clearing
// what it adds: the text source makes room and reads the file straight into
// it, and clearing each megabyte first took a few percent of reading a CSV
// file.
class CByteBuffer
{
public:
    CByteBuffer() { Reserve(kLeast); }

    std::size_t size() const { return m_size; }
    bool empty() const { return m_size == 0; }
    char* data() { return m_bytes.get(); }
    const char* data() const { return m_bytes.get(); }
    char operator[](std::size_t i) const { return m_bytes[i]; }
    char back() const { return m_bytes[m_size - 1]; }

    void clear() { m_size = 0; }
    void pop_back() { --m_size; }
    void push_back(char byte)
    {
        Reserve(m_size + 1);
        m_bytes[m_size++] = byte;
    }
    // Cuts the bytes to size, or adds bytes that hold anything until
    // written.
    void resize(std::size_t size)
    {
        Reserve(size);
        m_size = size;
    }
    // Drops the first count bytes.
    void EraseFront(std::size_t count)
    {
        std::memmove(data(), data() + count, m_size - count);
        m_size -= count;
    }
    // Replaces the bytes from start on by count bytes.
    void ReplaceTail(std::size_t start, const char* bytes, std::size_t count)
    {
        resize(start + count);
        std::memcpy(data() + start, bytes, count);
    }

private:
    static constexpr std::size_t kLeast = 16;

    void Reserve(std::size_t size)
    {
        if (size <= m_capacity)
            return;
        const std::size_t capacity = std::max(size, 2 * m_capacity);
        auto bytes = std::make_unique_for_overwrite<char[]>(capacity);
        if (m_size > 0)
            std::memcpy(bytes.get(), m_bytes.get(), m_size);
        m_bytes = std::move(bytes);
        m_capacity = capacity;
    }

    std::unique_ptr<char[]> m_bytes;
    std::size_t m_size = 0;
    std::size_t m_capacity = 0;
};
