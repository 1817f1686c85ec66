#pragma once

#include <cstddef>
#include <cstdint>
#include <ostream>
#include <string>

#include "platform/Clock.h"
#include "platform/Stream.h"

namespace sorvane::zvq {

// The one-line progress display of "zvq extract" on a terminal: the member's
// name, the bytes written of its size, the percentage and the rate. A member
// is shown only once it has taken longer than one interval, redrawn at most
// once an interval, and its line is cleared when it is done, so that short
// members leave nothing behind and the written paths on standard output
// stay as they are.
class ExtractProgress {
 public:
  static constexpr std::int64_t kIntervalMs = 100;

  ExtractProgress(std::ostream& err, Clock& clock, std::string decimalSeparator)
      : err_(err), clock_(clock), separator_(std::move(decimalSeparator)) {}

  void Start(const std::string& shownName, std::int64_t size);
  void Advance(std::size_t bytes);
  // Clears the line, if one was drawn.
  void Finish();

 private:
  void Draw(std::int64_t now);

  std::ostream& err_;
  Clock& clock_;
  std::string separator_;
  std::string name_;
  std::int64_t size_ = 0;
  std::int64_t written_ = 0;
  std::int64_t startMs_ = 0;
  std::int64_t nextDrawMs_ = 0;
  bool drawn_ = false;
};

// A member's target with every byte it takes counted into the progress.
// Copies go on to the target's own CopyFrom, so that two files still move
// their bytes the system's way.
class ProgressStream final : public Stream {
 public:
  ProgressStream(Stream& target, ExtractProgress& progress) : target_(target), progress_(progress) {}

  std::size_t Read(void* buffer, std::size_t count) override { return target_.Read(buffer, count); }
  std::size_t Write(const void* buffer, std::size_t count) override;
  std::int64_t Seek(std::int64_t offset, SeekOrigin origin) override { return target_.Seek(offset, origin); }
  std::int64_t Size() override { return target_.Size(); }
  std::size_t CopyFrom(Stream& source, void* buffer, std::size_t count) override;

 private:
  Stream& target_;
  ExtractProgress& progress_;
};

}  // namespace sorvane::zvq
