#include "container/RecordReadAhead.h"

#include <algorithm>
#include <cstring>

#include "platform/Errors.h"

namespace sorvane {
namespace {

// After a skip: room for the head of a record with a long name and a few
// dozen accounts. Reading it costs about what a read of four bytes costs.
constexpr std::size_t kSmallRefill = 1024;
// Dense records: large enough that the system calls no longer count, small
// enough to stay in the processor's nearer caches while the records are
// parsed (a record's length decides where the next one starts, so the parse
// waits for every load).
constexpr std::size_t kLargeRefill = 64 * 1024;

}  // namespace

RecordReadAhead::RecordReadAhead(Stream& source)
    : source_(source), bufferStart_(source.Position()), nextRefill_(kSmallRefill) {}

void RecordReadAhead::ViewDenseRecords() {
  views_ = source_.Views();
  if (views_ != nullptr) viewableEnd_ = source_.Size();
}

bool RecordReadAhead::ViewAhead(std::size_t count) {
  constexpr auto kAlign = static_cast<std::int64_t>(kViewBytes);
  const std::int64_t at = Position();
  // The slack lies inside the view, so the file's last bytes are read: its
  // end is met as without views.
  const std::int64_t viewEnd = std::min((at / kAlign + 1) * kAlign, viewableEnd_);
  if (viewEnd - at < static_cast<std::int64_t>(std::max(count, kLargeRefill) + kReadSlack)) return false;
  const auto bytes = static_cast<std::size_t>(viewEnd - at);
  const unsigned char* view = views_->View(at, bytes);
  if (view == nullptr) {
    viewsFailed_ = true;
    return false;
  }
  data_ = view;
  bufferStart_ = at;
  position_ = 0;
  end_ = bytes - kReadSlack;
  return true;
}

void RecordReadAhead::Refill(std::size_t count) {
  if (views_ != nullptr && !viewsFailed_ && nextRefill_ == kLargeRefill && ViewAhead(count)) return;
  if (data_ != buffer_.data()) {
    // Back from a view: reading goes on where the reader stands.
    bufferStart_ = source_.Seek(Position(), SeekOrigin::Begin);
    position_ = end_ = 0;
  }
  // The unconsumed rest moves to the front; the source stands right after it.
  const std::size_t kept = end_ - position_;
  if (kept > 0) std::memmove(buffer_.data(), buffer_.data() + position_, kept);
  bufferStart_ += static_cast<std::int64_t>(position_);
  position_ = 0;
  end_ = kept;
  std::size_t wanted = std::max(count, nextRefill_);
  if (buffer_.size() < wanted + kReadSlack) buffer_.resize(wanted + kReadSlack);
  data_ = buffer_.data();
  while (end_ < count) {
    std::size_t got = 0;
    try {
      got = source_.Read(buffer_.data() + end_, wanted - end_);
    } catch (const EReadError&) {
      if (wanted == count) throw;
      // The bytes ahead may be member data that is never needed, on a
      // damaged stretch of the device: only the bytes asked for may fail.
      source_.Seek(bufferStart_ + static_cast<std::int64_t>(end_), SeekOrigin::Begin);
      wanted = count;
      continue;
    }
    if (got == 0) throw EReadError(texts::kReadError);
    end_ += got;
  }
  nextRefill_ = std::min(nextRefill_ * 2, kLargeRefill);
}

void RecordReadAhead::SkipBeyondBuffer(std::int64_t count) {
  // Data that the next refill would have read anyway (a small member's that
  // reaches just past the buffer) leaves the records dense.
  const std::int64_t beyond = count - static_cast<std::int64_t>(end_ - position_);
  if (beyond >= static_cast<std::int64_t>(nextRefill_)) nextRefill_ = kSmallRefill;
  bufferStart_ = source_.Seek(Position() + count, SeekOrigin::Begin);
  position_ = end_ = 0;
}

void RecordReadAhead::HandBack() { source_.Seek(Position(), SeekOrigin::Begin); }

}  // namespace sorvane
