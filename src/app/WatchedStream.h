#pragma once

#include <memory>

#include "app/ExtractionWatch.h"
#include "platform/Stream.h"

namespace sorvane {

// A member's target file that reports every block written to the watch of
// the extraction. The watch may stop the writing by throwing from it; the
// block it reports has been written in full by then.
class WatchedStream final : public Stream {
 public:
  WatchedStream(std::unique_ptr<Stream> target, ExtractionWatch& watch)
      : target_(std::move(target)), watch_(watch) {}

  std::size_t Read(void* buffer, std::size_t count) override { return target_->Read(buffer, count); }
  std::size_t Write(const void* buffer, std::size_t count) override;
  std::int64_t Seek(std::int64_t offset, SeekOrigin origin) override { return target_->Seek(offset, origin); }
  std::int64_t Size() override { return target_->Size(); }
  // The target's own copy, which may move the bytes without passing them
  // through memory.
  std::size_t CopyFrom(Stream& source, void* buffer, std::size_t count) override;

 private:
  std::unique_ptr<Stream> target_;
  ExtractionWatch& watch_;
};

// target itself without a watch.
std::unique_ptr<Stream> Watched(std::unique_ptr<Stream> target, ExtractionWatch* watch);

}  // namespace sorvane
