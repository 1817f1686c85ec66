#include "platform/MemoryStream.h"

#include <algorithm>
#include <cstring>

#include "platform/Errors.h"

namespace sorvane {

std::size_t MemoryStream::Read(void* buffer, std::size_t count) {
  const auto size = static_cast<std::int64_t>(bytes_.size());
  if (position_ >= size || count == 0) return 0;
  const auto n = static_cast<std::size_t>(std::min<std::int64_t>(size - position_, static_cast<std::int64_t>(count)));
  std::memcpy(buffer, bytes_.data() + position_, n);
  position_ += static_cast<std::int64_t>(n);
  return n;
}

std::size_t MemoryStream::Write(const void* buffer, std::size_t count) {
  if (count == 0) return 0;
  const auto end = static_cast<std::size_t>(position_) + count;
  if (end > bytes_.size()) bytes_.resize(end, '\0');
  std::memcpy(bytes_.data() + position_, buffer, count);
  position_ = static_cast<std::int64_t>(end);
  return count;
}

std::int64_t MemoryStream::Seek(std::int64_t offset, SeekOrigin origin) {
  std::int64_t base = 0;
  switch (origin) {
    case SeekOrigin::Begin: base = 0; break;
    case SeekOrigin::Current: base = position_; break;
    case SeekOrigin::End: base = static_cast<std::int64_t>(bytes_.size()); break;
  }
  if (offset < 0 ? base < INT64_MIN - offset : base > INT64_MAX - offset) throw EReadError(texts::kReadError);
  const std::int64_t target = base + offset;
  if (target < 0) throw EReadError(texts::kReadError);
  position_ = target;
  return position_;
}

}  // namespace sorvane
