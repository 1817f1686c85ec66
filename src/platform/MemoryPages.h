#pragma once

#include <cstddef>

namespace sorvane {

// The system hands out a fresh page of memory at the first write to it, one
// fault per page; a table of a million entries takes thousands of them. This
// has the pages that hold [begin, begin + bytes) made present and writable in
// one call instead. Pages already present stay as they are, and so do the
// bytes on them. Throws std::bad_alloc when the memory is not there; where
// the system cannot do it, the pages come one fault at a time as before.
void TakePages(void* begin, std::size_t bytes);

}  // namespace sorvane
