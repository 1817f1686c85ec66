#include "platform/Stream.h"

#include "platform/Errors.h"

namespace sorvane {

std::int64_t Stream::Size() {
  const std::int64_t here = Seek(0, SeekOrigin::Current);
  const std::int64_t end = Seek(0, SeekOrigin::End);
  Seek(here, SeekOrigin::Begin);
  return end;
}

void Stream::ReadBuffer(void* buffer, std::size_t count) {
  auto* out = static_cast<unsigned char*>(buffer);
  while (count > 0) {
    const std::size_t got = Read(out, count);
    if (got == 0) throw EReadError(texts::kReadError);
    out += got;
    count -= got;
  }
}

void Stream::WriteBuffer(const void* buffer, std::size_t count) {
  const auto* in = static_cast<const unsigned char*>(buffer);
  while (count > 0) {
    const std::size_t put = Write(in, count);
    if (put == 0) throw EWriteError(texts::kWriteError);
    in += put;
    count -= put;
  }
}

std::size_t Stream::CopyFrom(Stream& source, void* buffer, std::size_t count) {
  const std::size_t got = source.Read(buffer, count);
  if (got > 0) WriteBuffer(buffer, got);
  return got;
}

}  // namespace sorvane
