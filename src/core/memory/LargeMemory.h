#pragma once

#include <cstddef>
#include <new>

// Memory for the program's large buffers: the blocks rows live in, the row
// tables of big lists, the input read from disk. Fresh small pages are dear
// (each costs a fault and a clearing on first touch, which dominates reading
// a big file), so these come straight from the system in large aligned
// pieces that the kernel is asked to back with huge pages.
namespace LargeMemory {

// A huge page on x86-64, and below it the size for which a buffer comes
// from the ordinary heap.
inline constexpr std::size_t kHugePage = std::size_t{1} << 21;
inline constexpr std::size_t kThreshold = kHugePage;

// bytes of zeroed memory aligned to alignment (a power of two, at least a
// page); throws std::bad_alloc when the system has none.
void* Allocate(std::size_t bytes, std::size_t alignment = kHugePage);
// Gives back what Allocate gave, with the same size.
void Free(void* memory, std::size_t bytes) noexcept;

} // namespace LargeMemory

// An allocator for containers that may grow large: big allocations come from
// LargeMemory, small ones from the heap, told apart by their size.
template <typename T> struct LargeAllocator
{
    using value_type = T;

    LargeAllocator() = default;
    template <typename U> LargeAllocator(const LargeAllocator<U>&) noexcept {}

    T* allocate(std::size_t n)
    {
        const std::size_t bytes = n * sizeof(T);
        if (bytes >= LargeMemory::kThreshold)
            return static_cast<T*>(LargeMemory::Allocate(bytes));
        return static_cast<T*>(::operator new(bytes));
    }
    void deallocate(T* memory, std::size_t n) noexcept
    {
        const std::size_t bytes = n * sizeof(T);
        if (bytes >= LargeMemory::kThreshold)
            LargeMemory::Free(memory, bytes);
        else
            ::operator delete(memory);
    }

    template <typename U> bool operator==(const LargeAllocator<U>&) const noexcept { return true; }
};
