#pragma once

#include <cstddef>
#include <cstring>
#include <type_traits>
#include <utility>

#include "platform/PagesAhead.h"

namespace sorvane {

// Bytes that grow at the end without being initialised first, for tables
// that a load fills with a million entries. The block is sized once where
// the final size is known (Reserve); growing beyond that moves large blocks
// by remapping their pages, not by copying their bytes. Pages are taken a
// stretch at a time just ahead of the bytes being appended, one system call
// for many pages instead of a fault for each, and never far beyond what is
// used.
class GrowingBytes {
 public:
  GrowingBytes() = default;
  GrowingBytes(GrowingBytes&& other) noexcept
      : data_(std::exchange(other.data_, nullptr)),
        size_(std::exchange(other.size_, 0)),
        ready_(std::exchange(other.ready_, 0)),
        capacity_(std::exchange(other.capacity_, 0)),
        takenBy_(std::exchange(other.takenBy_, nullptr)) {}
  GrowingBytes& operator=(GrowingBytes&& other) noexcept {
    GrowingBytes gone(std::move(other));
    std::swap(data_, gone.data_);
    std::swap(size_, gone.size_);
    std::swap(ready_, gone.ready_);
    std::swap(capacity_, gone.capacity_);
    std::swap(takenBy_, gone.takenBy_);
    return *this;
  }
  ~GrowingBytes();

  std::size_t size() const { return size_; }
  const char* data() const { return data_; }
  // count more bytes at the end, for the caller to fill; valid until the
  // next Append or Reserve.
  char* Append(std::size_t count) {
    if (ready_ - size_ < count) Prepare(count);
    char* room = data_ + size_;
    size_ += count;
    return room;
  }
  // Room for up to count more bytes at the end, ready to be written, for a
  // caller that learns only while writing how many it keeps; Added(n) then
  // keeps the first n. Valid until the next Append, Ahead or Reserve.
  char* Ahead(std::size_t count) {
    if (ready_ - size_ < count) Prepare(count);
    return data_ + size_;
  }
  void Added(std::size_t count) { size_ += count; }
  // Bytes that can be added without growing.
  std::size_t Room() const { return capacity_ - size_; }
  // That room, for taking its pages ahead of the writes; valid until the
  // block grows.
  PageStretch RoomStretch() const { return {data_ + size_, capacity_ - size_}; }
  // The room's pages are being taken by pages (nullptr: no longer): the
  // writes leave the taking to it, taking only what it has not reached yet
  // through it, and the block stops it before growing, which may move the
  // block.
  void RoomTakenBy(PagesAhead* pages) { takenBy_ = pages; }
  // Room for more bytes at the end without growing.
  void Reserve(std::size_t more);

 private:
  void Grow(std::size_t more);
  void Prepare(std::size_t count);

  char* data_ = nullptr;
  std::size_t size_ = 0;
  std::size_t ready_ = 0;  // bytes [0, ready_) lie on pages taken (or being taken by takenBy_)
  std::size_t capacity_ = 0;
  PagesAhead* takenBy_ = nullptr;
};

// A growing array of plain values kept in GrowingBytes.
template <class T>
class GrowingArray {
  static_assert(std::is_trivially_copyable_v<T>);

 public:
  std::size_t size() const { return bytes_.size() / sizeof(T); }
  bool empty() const { return bytes_.size() == 0; }
  T operator[](std::size_t index) const {
    T value;
    std::memcpy(&value, bytes_.data() + index * sizeof(T), sizeof(T));
    return value;
  }
  void push_back(T value) { std::memcpy(bytes_.Append(sizeof(T)), &value, sizeof(T)); }
  // Room for up to count more values, as GrowingBytes::Ahead; the block is
  // aligned for T, as the values before it fill whole slots.
  T* Ahead(std::size_t count) { return reinterpret_cast<T*>(bytes_.Ahead(count * sizeof(T))); }
  void Added(std::size_t count) { bytes_.Added(count * sizeof(T)); }
  // Room for count more values without growing.
  void Reserve(std::size_t count) { bytes_.Reserve(count * sizeof(T)); }
  PageStretch RoomStretch() const { return bytes_.RoomStretch(); }
  void RoomTakenBy(PagesAhead* pages) { bytes_.RoomTakenBy(pages); }

 private:
  GrowingBytes bytes_;
};

}  // namespace sorvane
