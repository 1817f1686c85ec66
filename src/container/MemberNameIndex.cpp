#include "container/MemberNameIndex.h"

#include "container/MemberTable.h"

namespace sorvane {
namespace {

std::size_t HashOf(std::string_view name) {
  // FNV-1a: member names are short, and this spreads names that differ in
  // one digit only.
  std::uint32_t hash = 2166136261u;
  for (const char c : name) hash = (hash ^ static_cast<unsigned char>(c)) * 16777619u;
  return hash;
}

}  // namespace

std::int32_t MemberNameIndex::Find(const MemberTable& table, std::string_view name) {
  Cover(table);
  if (slots_.empty()) return -1;
  const std::size_t mask = slots_.size() - 1;
  for (std::size_t at = HashOf(name) & mask;; at = (at + 1) & mask) {
    const std::uint32_t slot = slots_[at];
    if (slot == 0) return -1;
    if (table[slot - 1].Name == name) return static_cast<std::int32_t>(slot - 1);
  }
}

void MemberNameIndex::Cover(const MemberTable& table) {
  if (covered_ == table.size()) return;
  Grow(table, table.size());
  for (; covered_ < table.size(); ++covered_) Insert(table, static_cast<std::uint32_t>(covered_));
}

void MemberNameIndex::Grow(const MemberTable& table, std::size_t members) {
  std::size_t size = 64;
  while (size < 2 * members) size *= 2;
  if (size <= slots_.size()) return;
  slots_.assign(size, 0);
  const std::size_t covered = covered_;
  for (covered_ = 0; covered_ < covered; ++covered_) Insert(table, static_cast<std::uint32_t>(covered_));
}

void MemberNameIndex::Insert(const MemberTable& table, std::uint32_t member) {
  const std::string_view name = table[member].Name;
  const std::size_t mask = slots_.size() - 1;
  for (std::size_t at = HashOf(name) & mask;; at = (at + 1) & mask) {
    const std::uint32_t slot = slots_[at];
    if (slot == 0) {
      slots_[at] = member + 1;
      return;
    }
    // A later member of a name already there is never found by name.
    if (table[slot - 1].Name == name) return;
  }
}

}  // namespace sorvane
