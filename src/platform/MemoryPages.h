#pragma once

#include <cstddef>

namespace sorvane {

// Blocks of pages straight from the system, for tables of a million
// entries. Where the system has large pages (2 MiB) for ordinary memory, a
// block starts on a large-page boundary and asks for them, so that filling
// it costs a page fault (and a cleared page) per 2 MiB rather than per
// 4 KiB; elsewhere it is plain memory. Sizes are rounded up to whole
// LargePageSize() units, which the caller may use in full. All throw
// std::bad_alloc when the memory is not there.
std::size_t LargePageSize();
void* MapPages(std::size_t bytes);
// The block of bytes bytes made newBytes long (larger), with its content;
// it may move.
void* ResizePages(void* block, std::size_t bytes, std::size_t newBytes);
void UnmapPages(void* block, std::size_t bytes);

// The system hands out a fresh page of memory at the first write to it, one
// fault per page; a table of a million entries takes thousands of them. This
// has the pages that hold [begin, begin + bytes) made present and writable in
// one call instead. Pages already present stay as they are, and so do the
// bytes on them. Throws std::bad_alloc when the memory is not there; where
// the system cannot do it, the pages come one fault at a time as before.
void TakePages(void* begin, std::size_t bytes);

}  // namespace sorvane
