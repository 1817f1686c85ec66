#include "container/MemberTable.h"

#include <algorithm>
#include <cstring>
#include <stdexcept>

#include "platform/Errors.h"

namespace sorvane {

void MemberTable::Add(std::string_view name, MemberFlags flags, std::int32_t storedSize) {
  if (sizes_.empty()) {
    columns_ = flags.size();
  } else if (flags.size() != columns_) {
    throw std::invalid_argument("member table: every member needs the same number of flags");
  }
  const Room room = Append(name.size(), storedSize);
  if (!name.empty()) std::memcpy(room.name, name.data(), name.size());
  if (!flags.empty()) std::memcpy(room.flags, flags.begin(), flags.size());
}

MemberTable::Block MemberTable::Ahead(std::size_t count, std::size_t nameBytes) {
  const std::size_t start = names_.size();
  // Within the room already there for names, where there is some: a table
  // filled up to what was reserved grows by doubling, as Append grows it,
  // not for a buffer's worth of names it may never get.
  const std::size_t left = names_.Room();
  if (left >= kNameSlack) nameBytes = std::min(nameBytes, left - kNameSlack);
  nameBytes = std::min(nameBytes, kMaxNameBytes - start);
  return {names_.Ahead(nameBytes + kNameSlack),
          nameBytes,
          start,
          reinterpret_cast<std::uint8_t*>(flags_.Ahead(count * columns_)),
          nameEnds_.Ahead(count),
          sizes_.Ahead(count)};
}

void MemberTable::Reserve(std::size_t count, std::size_t nameBytes) {
  names_.Reserve(nameBytes + kNameSlack);
  flags_.Reserve(count * columns_);
  nameEnds_.Reserve(count);
  sizes_.Reserve(count);
}

void MemberTable::ThrowTooLarge() { throw ERangeError(texts::kRangeError); }

std::int32_t MemberTable::Find(std::string_view name) const {
  // A few names are scanned faster than an index is made.
  constexpr std::size_t kIndexFrom = 64;
  if (size() >= kIndexFrom) return index_.Find(*this, name);
  std::size_t begin = 0;
  for (std::size_t i = 0; i < nameEnds_.size(); ++i) {
    const std::size_t end = nameEnds_[i];
    if (end - begin == name.size() &&
        (name.empty() || std::memcmp(names_.data() + begin, name.data(), name.size()) == 0)) {
      return static_cast<std::int32_t>(i);
    }
    begin = end;
  }
  return -1;
}

}  // namespace sorvane
