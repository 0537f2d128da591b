#include "memory/LargeMemory.h"

#include <sys/mman.h>

#include <cstdint>

namespace LargeMemory {

namespace {

std::size_t RoundUp(std::size_t value, std::size_t step)
{
    return (value + step - 1) & ~(step - 1);
}

} // namespace

// Maps alignment more than asked and unmaps what lies outside the aligned
// piece, so the piece starts on a huge page when alignment allows it.
void* Allocate(std::size_t bytes, std::size_t alignment)
{
    bytes = RoundUp(bytes, 4096);
    const std::size_t mapped = bytes + alignment;
    void* raw = mmap(nullptr, mapped, PROT_READ | PROT_WRITE, MAP_PRIVATE | MAP_ANONYMOUS, -1, 0);
    if (raw == MAP_FAILED)
        throw std::bad_alloc();
    const auto start = reinterpret_cast<std::uintptr_t>(raw);
    const std::uintptr_t aligned = RoundUp(start, alignment);
    if (aligned > start)
        munmap(raw, aligned - start);
    const std::uintptr_t end = start + mapped;
    if (end > aligned + bytes)
        munmap(reinterpret_cast<void*>(aligned + bytes), end - aligned - bytes);
    void* memory = reinterpret_cast<void*>(aligned);
    madvise(memory, bytes, MADV_HUGEPAGE);
    return memory;
}

void Free(void* memory, std::size_t bytes) noexcept
{
    if (memory)
        munmap(memory, RoundUp(bytes, 4096));
}

} // namespace LargeMemory
