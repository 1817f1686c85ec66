#include "container/GrowingBytes.h"

#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <new>

#include "platform/MemoryPages.h"

namespace sorvane {
namespace {

// How far ahead of the appended bytes pages are taken: enough that the calls
// do not count, little enough that a block reserved for more than it
// receives costs next to nothing.
constexpr std::size_t kTakeAhead = std::size_t{1} << 20;
// Blocks from this size on come from the system's pages (in large pages
// where it has them); smaller ones from the heap, where a large page would
// cost more than the block holds.
constexpr std::size_t kPagedBlock = std::size_t{2} << 20;

bool IsPaged(std::size_t capacity) { return capacity >= kPagedBlock; }

}  // namespace

GrowingBytes::~GrowingBytes() {
  if (IsPaged(capacity_)) {
    UnmapPages(data_, capacity_);
  } else {
    std::free(data_);
  }
}

void GrowingBytes::Grow(std::size_t more) {
  if (more > SIZE_MAX / 2 - size_) throw std::bad_alloc();
  std::size_t wanted = std::max({size_ + more, 2 * capacity_, std::size_t{256}});
  if (!IsPaged(wanted)) {
    void* grown = std::realloc(data_, wanted);
    if (grown == nullptr) throw std::bad_alloc();
    data_ = static_cast<char*>(grown);
  } else {
    // Whole large pages: the last one is taken whole anyway.
    const std::size_t unit = LargePageSize();
    wanted = (wanted + unit - 1) / unit * unit;
    if (IsPaged(capacity_)) {
      // Large blocks move by remapping their pages, not by copying.
      data_ = static_cast<char*>(ResizePages(data_, capacity_, wanted));
    } else {
      auto* block = static_cast<char*>(MapPages(wanted));
      if (size_ > 0) std::memcpy(block, data_, size_);
      std::free(data_);
      data_ = block;
      ready_ = 0;  // the pages of the new block are yet to be taken
    }
  }
  capacity_ = wanted;
}

void GrowingBytes::Reserve(std::size_t more) {
  if (capacity_ - size_ < more) Grow(more);
}

void GrowingBytes::Prepare(std::size_t count) {
  if (capacity_ - size_ < count) Grow(count);
  const std::size_t ready = std::min(capacity_, std::max(size_ + count, ready_ + kTakeAhead));
  TakePages(data_ + ready_, ready - ready_);
  ready_ = ready;
}

}  // namespace sorvane
