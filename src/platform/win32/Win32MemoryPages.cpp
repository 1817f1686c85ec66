#include "platform/MemoryPages.h"

namespace sorvane {

// Windows charges committed memory when it is allocated, not when a page is
// first written, so a shortage already surfaced as std::bad_alloc there. It has
// no call that makes private pages present ahead of the first write; they
// come one fault at a time.
void TakePages(void*, std::size_t) {}

}  // namespace sorvane
