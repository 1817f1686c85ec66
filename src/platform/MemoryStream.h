#pragma once

#include <cstddef>
#include <cstdint>
#include <string>

#include "platform/Stream.h"

namespace sorvane {

// A stream over a growable block of memory. Writing past the end grows it
// (a gap left by seeking is filled with zero bytes).
class MemoryStream : public Stream {
 public:
  MemoryStream() = default;
  explicit MemoryStream(std::string bytes) : bytes_(std::move(bytes)) {}

  std::size_t Read(void* buffer, std::size_t count) override;
  std::size_t Write(const void* buffer, std::size_t count) override;
  std::int64_t Seek(std::int64_t offset, SeekOrigin origin) override;
  std::int64_t Size() override { return static_cast<std::int64_t>(bytes_.size()); }

  const std::string& Bytes() const { return bytes_; }
  std::string& Bytes() { return bytes_; }

 private:
  std::string bytes_;
  std::int64_t position_ = 0;
};

}  // namespace sorvane
