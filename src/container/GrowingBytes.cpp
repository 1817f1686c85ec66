#include "container/GrowingBytes.h"

#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <new>
#include <utility>

#include "platform/MemoryPages.h"

namespace sorvane {
namespace {

// How far ahead of the appended bytes pages are taken: enough that the calls
// do not count, little enough that a block reserved for more than it
// receives costs next to nothing.
constexpr std::size_t kTakeAhead = std::size_t{1} << 20;

}  // namespace

GrowingBytes::~GrowingBytes() { std::free(data_); }

void GrowingBytes::Grow(std::size_t more) {
  if (more > SIZE_MAX / 2 - size_) throw std::bad_alloc();
  const std::size_t wanted = std::max({size_ + more, 2 * capacity_, std::size_t{256}});
  // realloc moves large blocks by remapping their pages, not by copying.
  void* grown = std::realloc(data_, wanted);
  if (grown == nullptr) throw std::bad_alloc();
  data_ = static_cast<char*>(grown);
  capacity_ = wanted;
}

void GrowingBytes::Reserve(std::size_t more) {
  if (capacity_ - size_ < more) Grow(more);
}

void GrowingBytes::Prepare(std::size_t count) {
  if (capacity_ - size_ < count) {
    if (takenBy_ != nullptr) std::exchange(takenBy_, nullptr)->Stop();
    Grow(count);
  }
  if (takenBy_ != nullptr) {
    if (void* taken = takenBy_->TakeFor(data_ + size_, count)) {
      ready_ = static_cast<std::size_t>(static_cast<char*>(taken) - data_);
      return;
    }
    takenBy_ = nullptr;
  }
  const std::size_t ready = std::min(capacity_, std::max(size_ + count, ready_ + kTakeAhead));
  TakePages(data_ + ready_, ready - ready_);
  ready_ = ready;
}

}  // namespace sorvane
