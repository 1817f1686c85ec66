#include "platform/MemoryPages.h"

#include <cstdint>
#include <cstring>
#include <new>

#include "platform/win32/WindowsApi.h"

namespace sorvane {
namespace {

// Large pages need a privilege that programs do not have, so blocks are of
// ordinary pages, in the units the system reserves address space in.
constexpr std::size_t kAllocationUnit = 64 * 1024;

std::size_t WholeUnits(std::size_t bytes) {
  if (bytes > SIZE_MAX - kAllocationUnit) throw std::bad_alloc();
  return (bytes + kAllocationUnit - 1) / kAllocationUnit * kAllocationUnit;
}

}  // namespace

std::size_t LargePageSize() { return kAllocationUnit; }

void* MapPages(std::size_t bytes) {
  void* block = ::VirtualAlloc(nullptr, WholeUnits(bytes), MEM_RESERVE | MEM_COMMIT, PAGE_READWRITE);
  if (block == nullptr) throw std::bad_alloc();
  return block;
}

void* ResizePages(void* block, std::size_t bytes, std::size_t newBytes) {
  void* moved = MapPages(newBytes);
  std::memcpy(moved, block, bytes);
  UnmapPages(block, bytes);
  return moved;
}

void UnmapPages(void* block, std::size_t) { ::VirtualFree(block, 0, MEM_RELEASE); }

// Windows charges committed memory when it is allocated, not when a page is
// first written, so a shortage already surfaced as std::bad_alloc there. It has
// no call that makes private pages present ahead of the first write; they
// come one fault at a time.
void TakePages(void*, std::size_t) {}

}  // namespace sorvane
