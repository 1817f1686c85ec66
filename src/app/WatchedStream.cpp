#include "app/WatchedStream.h"

namespace sorvane {

std::size_t WatchedStream::Write(const void* buffer, std::size_t count) {
  const std::size_t written = target_->Write(buffer, count);
  if (written > 0) watch_.BytesWritten(static_cast<std::int64_t>(written));
  return written;
}

std::size_t WatchedStream::CopyFrom(Stream& source, void* buffer, std::size_t count) {
  const std::size_t copied = target_->CopyFrom(source, buffer, count);
  if (copied > 0) watch_.BytesWritten(static_cast<std::int64_t>(copied));
  return copied;
}

std::unique_ptr<Stream> Watched(std::unique_ptr<Stream> target, ExtractionWatch* watch) {
  if (watch == nullptr) return target;
  return std::make_unique<WatchedStream>(std::move(target), *watch);
}

}  // namespace sorvane
