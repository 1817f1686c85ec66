#pragma once

#include <cstddef>
#include <cstdint>
#include <string_view>
#include <utility>
#include <vector>

namespace sorvane {

class MemberTable;

// The first member of each name, found by hashing: extracting a large
// selection looks up every ticked entry by its name, and a scan of a million
// names for each of them would take hours. The index belongs to one table,
// which is only ever added to until it is replaced (and its index with it):
// it is made at the first lookup and takes in the members added since at
// every later one.
class MemberNameIndex {
 public:
  MemberNameIndex() = default;
  // Moves leave an empty index behind, as they leave an empty table.
  MemberNameIndex(MemberNameIndex&& other) noexcept
      : slots_(std::exchange(other.slots_, {})), covered_(std::exchange(other.covered_, 0)) {}
  MemberNameIndex& operator=(MemberNameIndex&& other) noexcept {
    slots_ = std::exchange(other.slots_, {});
    covered_ = std::exchange(other.covered_, 0);
    return *this;
  }

  // Index of the first member of table named name, or -1.
  std::int32_t Find(const MemberTable& table, std::string_view name);

 private:
  void Cover(const MemberTable& table);
  void Grow(const MemberTable& table, std::size_t members);
  void Insert(const MemberTable& table, std::uint32_t member);

  // Open addressing: member number + 1 per slot, 0 for a free one; at most
  // half the slots are used.
  std::vector<std::uint32_t> slots_;
  std::size_t covered_ = 0;  // members [0, covered_) are indexed
};

}  // namespace sorvane
