#include "platform/MemoryPages.h"

#include <sys/mman.h>
#include <unistd.h>

#include <cerrno>
#include <cstdint>
#include <new>

namespace sorvane {

void TakePages(void* begin, std::size_t bytes) {
  static const auto pageSize = static_cast<std::uintptr_t>(::sysconf(_SC_PAGESIZE));
  const auto from = reinterpret_cast<std::uintptr_t>(begin) / pageSize * pageSize;
  const auto to = reinterpret_cast<std::uintptr_t>(begin) + bytes;
  if (bytes == 0) return;
  // Kernels before 5.14 do not know the request (EINVAL); their pages still
  // come when first written.
  if (::madvise(reinterpret_cast<void*>(from), to - from, MADV_POPULATE_WRITE) != 0 && errno == ENOMEM) {
    throw std::bad_alloc();
  }
}

}  // namespace sorvane
