#pragma once

#include <cstddef>

// Where rows live: blocks of a few MB, each thread filling its own, a row
// taking the next bytes of the block. A block counts the rows still in it
// and goes back to the system with the last one, so a list of millions of
// rows is a few hundred allocations, and closing it frees blocks, not rows.
// Rows may be freed on any thread.
namespace RowBlocks {

// The largest row a block holds; larger ones are the caller's to place.
inline constexpr std::size_t kLargestRow = std::size_t{1} << 19;

// bytes (at most kLargestRow) at a 4-byte boundary in the calling thread's
// current block.
char* Allocate(std::size_t bytes);
// Gives back the end of the calling thread's last allocation, at row, which
// needs only bytes: a reader takes room for the longest row a line can make
// and keeps what it wrote.
void Shrink(char* row, std::size_t bytes);
// Frees the row at row, which Allocate gave on whatever thread.
void Release(char* row) noexcept;

// The number of blocks alive, for tests of what goes back to the system.
std::size_t LiveBlocks();

} // namespace RowBlocks
