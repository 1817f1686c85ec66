#include "ExtractProgress.h"

#include <algorithm>

#include "platform/FormatSize.h"

namespace sorvane::zvq {
namespace {

// Names longer than this are shortened from the front, so that the line
// fits a terminal of 80 columns and "\r" can still take it back.
constexpr std::size_t kNameBytes = 36;

std::string ShortName(const std::string& name) {
  if (name.size() <= kNameBytes) return name;
  std::size_t from = name.size() - kNameBytes;
  // Not inside a UTF-8 sequence.
  while (from < name.size() && (static_cast<unsigned char>(name[from]) & 0xC0) == 0x80) ++from;
  return "..." + name.substr(from);
}

}  // namespace

void ExtractProgress::Start(const std::string& shownName, std::int64_t size) {
  name_ = ShortName(shownName);
  size_ = size;
  written_ = 0;
  startMs_ = clock_.NowMs();
  nextDrawMs_ = startMs_ + kIntervalMs;
  drawn_ = false;
}

void ExtractProgress::Advance(std::size_t bytes) {
  written_ += static_cast<std::int64_t>(bytes);
  const std::int64_t now = clock_.NowMs();
  if (now < nextDrawMs_) return;
  Draw(now);
  nextDrawMs_ = now + kIntervalMs;
}

void ExtractProgress::Draw(std::int64_t now) {
  // A member may hold more or less than the size its record shows.
  const std::int64_t percent = size_ <= 0 ? 100 : std::min<std::int64_t>(100, written_ * 100 / size_);
  const std::int64_t elapsed = std::max<std::int64_t>(1, now - startMs_);
  const std::int64_t rate = written_ * 1000 / elapsed;
  err_ << "\r\033[K" << name_ << "  " << FormatSize(1, false, written_, separator_) << " von "
       << FormatSize(1, false, size_, separator_) << "  " << percent << " %  "
       << FormatSize(1, false, rate, separator_) << "/s" << std::flush;
  drawn_ = true;
}

void ExtractProgress::Finish() {
  if (drawn_) err_ << "\r\033[K" << std::flush;
  drawn_ = false;
}

std::size_t ProgressStream::Write(const void* buffer, std::size_t count) {
  const std::size_t taken = target_.Write(buffer, count);
  progress_.Advance(taken);
  return taken;
}

std::size_t ProgressStream::CopyFrom(Stream& source, void* buffer, std::size_t count) {
  const std::size_t moved = target_.CopyFrom(source, buffer, count);
  progress_.Advance(moved);
  return moved;
}

}  // namespace sorvane::zvq
