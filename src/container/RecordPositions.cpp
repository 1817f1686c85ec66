#include "container/RecordPositions.h"

#include <algorithm>
#include <limits>

#include "container/LittleEndian.h"
#include "container/RecordReadAhead.h"
#include "platform/Errors.h"

namespace sorvane {
namespace {

// The header's two counts come before the first record.
constexpr std::uint32_t kFirstRecord = 8;
// Records passed beyond the one asked for: enough that copying members in
// file order costs a pass now and then rather than one per member, few
// enough that a single preview does not read a large file to its end.
constexpr std::size_t kPassAhead = 4096;

}  // namespace

void RecordPositions::Reset(std::optional<FileStamp> stamp, std::int64_t recordsEnd) {
  stamp_ = stamp;
  recordsEnd_ = recordsEnd;
  starts_.assign(1, kFirstRecord);
  if (recordsEnd > std::numeric_limits<std::uint32_t>::max()) stamp_.reset();
}

std::optional<RecordExtent> RecordPositions::Find(Stream& source, const MemberTable& members, std::int32_t index) {
  if (!stamp_ || index < 0 || static_cast<std::size_t>(index) >= members.size()) return std::nullopt;
  const std::optional<FileStamp> now = source.Stamp();
  if (now != stamp_) return std::nullopt;
  const auto member = static_cast<std::size_t>(index);
  if (member + 1 >= starts_.size() && !PassTo(source, members, std::min(member + kPassAhead, members.size() - 1))) {
    stamp_.reset();
    return std::nullopt;
  }
  return RecordExtent{starts_[member], starts_[member + 1]};
}

bool RecordPositions::PassTo(Stream& source, const MemberTable& members, std::size_t last) {
  const std::int64_t flagBytes = 4 * static_cast<std::int64_t>(members.Columns());
  source.Seek(starts_.back(), SeekOrigin::Begin);
  RecordReadAhead records(source);
  try {
    for (std::size_t k = starts_.size() - 1; k <= last; ++k) {
      // Every record must have the name length the load found; its data's
      // length is what places the next.
      const std::int32_t nameLength = DecodeInt32(records.Take(4));
      if (nameLength < 0 || static_cast<std::size_t>(nameLength) != members[k].Name.size()) return false;
      records.Skip(nameLength + flagBytes + 4);
      const std::int32_t dataLength = DecodeInt32(records.Take(4));
      if (dataLength < 0) return false;
      records.Skip(dataLength);
      if (records.Position() > recordsEnd_) return false;
      starts_.push_back(static_cast<std::uint32_t>(records.Position()));
    }
  } catch (const EReadError&) {
    // A file that ends early is for the walk from the start to report.
    return false;
  }
  // The last record ends where the load found the records' end.
  return last + 1 < members.size() || starts_.back() == recordsEnd_;
}

}  // namespace sorvane
