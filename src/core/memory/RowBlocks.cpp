#include "memory/RowBlocks.h"

#include "memory/LargeMemory.h"

#if defined(__SANITIZE_ADDRESS__)
#include <sanitizer/asan_interface.h>
#define QUIRE_POISON(address, size) ASAN_POISON_MEMORY_REGION(address, size)
#define QUIRE_UNPOISON(address, size) ASAN_UNPOISON_MEMORY_REGION(address, size)
#else
#define QUIRE_POISON(address, size) ((void)(address), (void)(size))
#define QUIRE_UNPOISON(address, size) ((void)(address), (void)(size))
#endif

#include <atomic>
#include <cstdint>
#include <new>

namespace RowBlocks {

namespace {

constexpr std::size_t kBlockSize = std::size_t{4} << 20;
// A block's first bytes hold its count of live rows.
constexpr std::size_t kHeaderSize = 64;
// Counted into a block while a thread still fills it, so that freeing all
// of its rows cannot free it under the thread.
constexpr std::int64_t kHeld = std::int64_t{1} << 40;

std::atomic<std::size_t> g_liveBlocks{0};

struct BlockHeader
{
    std::atomic<std::int64_t> live;
};

BlockHeader* HeaderOf(char* memory)
{
    const auto address = reinterpret_cast<std::uintptr_t>(memory);
    return reinterpret_cast<BlockHeader*>(address & ~(kBlockSize - 1));
}

void FreeBlock(BlockHeader* header)
{
    header->~BlockHeader();
    QUIRE_UNPOISON(header, kBlockSize);
    LargeMemory::Free(header, kBlockSize);
    g_liveBlocks.fetch_sub(1, std::memory_order_relaxed);
}

// Drops count from the block's live rows, freeing it when none is left.
void Drop(BlockHeader* header, std::int64_t count)
{
    if (header->live.fetch_sub(count, std::memory_order_acq_rel) == count)
        FreeBlock(header);
}

std::size_t RoundUp(std::size_t bytes)
{
    return (bytes + 3) & ~std::size_t{3};
}

// The block a thread fills. Rows are counted here as they are handed out
// and into the block's shared count once, when the thread moves on.
class ThreadBlock
{
public:
    ThreadBlock() = default;
    ThreadBlock(const ThreadBlock&) = delete;
    ThreadBlock& operator=(const ThreadBlock&) = delete;
    ~ThreadBlock() { Retire(); }

    char* Allocate(std::size_t bytes)
    {
        bytes = RoundUp(bytes);
        if (!m_block || m_used + bytes > kBlockSize)
            Start();
        m_last = m_block + m_used;
        m_used += bytes;
        QUIRE_UNPOISON(m_last, bytes);
        ++m_rows;
        return m_last;
    }

    void Shrink(char* row, std::size_t bytes)
    {
        if (row != m_last)
            return;
        const std::size_t used = static_cast<std::size_t>(row - m_block) + RoundUp(bytes);
        QUIRE_POISON(m_block + used, m_used - used);
        m_used = used;
    }

private:
    void Start()
    {
        Retire();
        m_block = static_cast<char*>(LargeMemory::Allocate(kBlockSize, kBlockSize));
        g_liveBlocks.fetch_add(1, std::memory_order_relaxed);
        new (m_block) BlockHeader{kHeld};
        m_used = kHeaderSize;
        // Under the address sanitizer, reading past a row's bytes is caught.
        QUIRE_POISON(m_block + m_used, kBlockSize - m_used);
        m_rows = 0;
        m_last = nullptr;
    }

    void Retire()
    {
        if (!m_block)
            return;
        Drop(HeaderOf(m_block), kHeld - m_rows);
        m_block = nullptr;
    }

    char* m_block = nullptr;
    char* m_last = nullptr;
    std::size_t m_used = 0;
    std::int64_t m_rows = 0;
};

thread_local ThreadBlock t_block;

} // namespace

char* Allocate(std::size_t bytes)
{
    return t_block.Allocate(bytes);
}

void Shrink(char* row, std::size_t bytes)
{
    t_block.Shrink(row, bytes);
}

void Release(char* row) noexcept
{
    Drop(HeaderOf(row), 1);
}

std::size_t LiveBlocks()
{
    return g_liveBlocks.load(std::memory_order_relaxed);
}

} // namespace RowBlocks
