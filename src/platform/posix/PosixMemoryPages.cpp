#include "platform/MemoryPages.h"

#include <sys/mman.h>
#include <unistd.h>

#include <cerrno>
#include <cstdint>
#include <new>

namespace sorvane {
namespace {

// The size of the system's transparent large pages on x86-64 and most
// others; a block merely aligned for a smaller size loses nothing.
constexpr std::size_t kLargePage = std::size_t{2} << 20;

std::size_t WholeLargePages(std::size_t bytes) {
  if (bytes > SIZE_MAX - 2 * kLargePage) throw std::bad_alloc();
  return (bytes + kLargePage - 1) / kLargePage * kLargePage;
}

std::uintptr_t PageSize() {
  static const auto size = static_cast<std::uintptr_t>(::sysconf(_SC_PAGESIZE));
  return size;
}

}  // namespace

std::size_t LargePageSize() { return kLargePage; }

void* MapPages(std::size_t bytes) {
  // A mapping a large page longer, cut to start on a large-page boundary.
  bytes = WholeLargePages(bytes);
  void* mapped = ::mmap(nullptr, bytes + kLargePage, PROT_READ | PROT_WRITE, MAP_PRIVATE | MAP_ANONYMOUS, -1, 0);
  if (mapped == MAP_FAILED) throw std::bad_alloc();
  const auto start = reinterpret_cast<std::uintptr_t>(mapped);
  const std::uintptr_t aligned = (start + kLargePage - 1) / kLargePage * kLargePage;
  if (aligned > start) ::munmap(mapped, aligned - start);
  ::munmap(reinterpret_cast<void*>(aligned + bytes), start + kLargePage - aligned);
  // Without large pages (switched off, or a kernel without them) the advice
  // fails and the block is one of small pages.
  ::madvise(reinterpret_cast<void*>(aligned), bytes, MADV_HUGEPAGE);
  return reinterpret_cast<void*>(aligned);
}

void* ResizePages(void* block, std::size_t bytes, std::size_t newBytes) {
  // The pages move with their content; the advice goes with them.
  void* moved = ::mremap(block, WholeLargePages(bytes), WholeLargePages(newBytes), MREMAP_MAYMOVE);
  if (moved == MAP_FAILED) throw std::bad_alloc();
  return moved;
}

void UnmapPages(void* block, std::size_t bytes) { ::munmap(block, WholeLargePages(bytes)); }

void TakePages(void* begin, std::size_t bytes) {
  const auto from = reinterpret_cast<std::uintptr_t>(begin) / PageSize() * PageSize();
  const auto to = reinterpret_cast<std::uintptr_t>(begin) + bytes;
  if (bytes == 0) return;
  // Kernels before 5.14 do not know the request (EINVAL); their pages still
  // come when first written.
  if (::madvise(reinterpret_cast<void*>(from), to - from, MADV_POPULATE_WRITE) != 0 && errno == ENOMEM) {
    throw std::bad_alloc();
  }
}

}  // namespace sorvane
