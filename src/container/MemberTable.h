#pragma once

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <string_view>
#include <vector>

#include "container/GrowingBytes.h"
#include "container/MemberNameIndex.h"
#include "platform/Text.h"

namespace sorvane {

// The visibility flags of one member, one byte per column, column 0 first;
// a view into the member table.
class MemberFlags {
 public:
  using value_type = std::uint8_t;
  using const_iterator = const std::uint8_t*;
  using iterator = const_iterator;

  MemberFlags() = default;
  MemberFlags(const std::uint8_t* data, std::size_t size) : data_(data), size_(size) {}
  // For members put together by hand (the vector must outlive the view).
  MemberFlags(const std::vector<std::uint8_t>& flags) : data_(flags.data()), size_(flags.size()) {}  // NOLINT

  std::size_t size() const { return size_; }
  bool empty() const { return size_ == 0; }
  std::uint8_t operator[](std::size_t column) const { return data_[column]; }
  const_iterator begin() const { return data_; }
  const_iterator end() const { return data_ + size_; }

  friend bool operator==(MemberFlags a, MemberFlags b) { return std::equal(a.begin(), a.end(), b.begin(), b.end()); }

 private:
  const std::uint8_t* data_ = nullptr;
  std::size_t size_ = 0;
};

// One member as the table hands it out: Name and Flags point into the
// table and stay valid until the table is changed or replaced.
struct ContainerMember {
  std::string_view Name;   // unscrambled file name, Windows-1252 bytes
  MemberFlags Flags;       // one per visibility column; non-zero: visible
  std::int64_t StoredSize = 0;  // the size the member list shows
};

// The catalogue's members, in file order. A container may hold a million
// members, so the table keeps them compactly: all names in one block of
// bytes, the flags packed with one byte per column, and per member only
// where its name ends and its size. Every member has the same number of
// columns; the first member added to an empty table sets it.
class MemberTable {
 public:
  class const_iterator {
   public:
    using value_type = ContainerMember;
    using difference_type = std::ptrdiff_t;
    const_iterator() = default;
    const_iterator(const MemberTable* table, std::size_t index) : table_(table), index_(index) {}
    ContainerMember operator*() const { return (*table_)[index_]; }
    const_iterator& operator++() {
      ++index_;
      return *this;
    }
    const_iterator operator++(int) {
      const_iterator before = *this;
      ++index_;
      return before;
    }
    bool operator==(const const_iterator& other) const { return index_ == other.index_; }

   private:
    const MemberTable* table_ = nullptr;
    std::size_t index_ = 0;
  };

  MemberTable() = default;
  explicit MemberTable(std::size_t columns) : columns_(columns) {}

  std::size_t size() const { return sizes_.size(); }
  bool empty() const { return sizes_.empty(); }
  // The number of flag columns every member has.
  std::size_t Columns() const { return columns_; }
  ContainerMember operator[](std::size_t index) const {
    const std::size_t begin = index == 0 ? 0 : nameEnds_[index - 1];
    return {std::string_view(names_.data() + begin, nameEnds_[index] - begin),
            MemberFlags(reinterpret_cast<const std::uint8_t*>(flags_.data()) + index * columns_, columns_),
            sizes_[index]};
  }
  const_iterator begin() const { return {this, 0}; }
  const_iterator end() const { return {this, size()}; }

  // Appends a member. Throws std::invalid_argument when flags has another
  // number of columns than the members before, and ERangeError when the
  // names together reach 4 GiB (more than a container can hold).
  void Add(std::string_view name, MemberFlags flags, std::int32_t storedSize);

  // Room for a new member, for a reader that fills the table fast: name
  // takes nameLength bytes and flags Columns() bytes, which the caller
  // writes before anything else changes the table.
  struct Room {
    char* name;
    std::uint8_t* flags;
  };
  Room Append(std::size_t nameLength, std::int32_t storedSize) {
    if (nameLength > kMaxNameBytes - names_.size()) ThrowTooLarge();
    Room room{names_.Append(nameLength), reinterpret_cast<std::uint8_t*>(flags_.Append(columns_))};
    nameEnds_.push_back(static_cast<std::uint32_t>(names_.size()));
    sizes_.push_back(storedSize);
    return room;
  }

  // Room for up to count new members whose names take up to nameBytes
  // together, for a reader that fills many at once: it writes member k's
  // name into names (names may be written up to kNameSlack bytes beyond
  // nameBytes), its end, counted from the start of the table's names, as
  // nameStart plus its end in names into nameEnds[k], its flags into
  // flags[k * Columns()] and its size into sizes[k]; Added then keeps the
  // first count members, whose names take nameBytes. The block's nameBytes
  // may be less than asked for: it stays within the room reserved for names
  // and what the table may hold. Valid until the table changes.
  static constexpr std::size_t kNameSlack = 16;
  struct Block {
    char* names;
    std::size_t nameBytes;
    std::size_t nameStart;
    std::uint8_t* flags;
    std::uint32_t* nameEnds;
    std::int32_t* sizes;
  };
  Block Ahead(std::size_t count, std::size_t nameBytes);
  void Added(std::size_t count, std::size_t nameBytes) {
    names_.Added(nameBytes);
    flags_.Added(count * columns_);
    nameEnds_.Added(count);
    sizes_.Added(count);
  }

  // Makes room for count more members whose names take nameBytes together
  // (and the slack of Ahead beyond them); a hint only.
  void Reserve(std::size_t count, std::size_t nameBytes);
  // The room of every block beyond its members, in the order a reader fills
  // the blocks' shares; valid until the table grows.
  std::vector<PageStretch> RoomStretches() const {
    return {names_.RoomStretch(), flags_.RoomStretch(), nameEnds_.RoomStretch(), sizes_.RoomStretch()};
  }
  // Their pages are being taken by pages, or no longer (see GrowingBytes).
  void RoomTakenBy(PagesAhead* pages) {
    names_.RoomTakenBy(pages);
    flags_.RoomTakenBy(pages);
    nameEnds_.RoomTakenBy(pages);
    sizes_.RoomTakenBy(pages);
  }
  void Clear() { *this = MemberTable(); }

  // The first member whose name equals name byte for byte, or -1. Large
  // tables answer through an index made at the first lookup.
  std::int32_t Find(std::string_view name) const;

 private:
  static constexpr std::size_t kMaxNameBytes = 0xFFFFFFFF;
  [[noreturn]] static void ThrowTooLarge();

  std::size_t columns_ = 0;
  GrowingBytes names_;
  GrowingBytes flags_;
  GrowingArray<std::uint32_t> nameEnds_;
  // StoredSize is a 32-bit field of the file, widened when handed out.
  GrowingArray<std::int32_t> sizes_;
  mutable MemberNameIndex index_;
};

}  // namespace sorvane
