#pragma once

#include <cstddef>
#include <cstdint>

#include "platform/Stream.h"

namespace sorvane {

// A Stream over an open file handle. Like the Linux stream it keeps its own
// position and reads and writes at it (ReadFile and WriteFile with the offset
// given), so moving the position costs no system call.
//
// Read fails with EReadError "Stream-Lesefehler" when the system reports an
// error. Write returns fewer bytes than asked when the disk is full, so
// WriteBuffer reports "Stream-Schreibfehler"; other write errors throw
// EWriteError directly.
class Win32FileStream : public Stream {
 public:
  // Takes over the handle (a HANDLE) and closes it on destruction.
  explicit Win32FileStream(void* handle);
  ~Win32FileStream() override;
  Win32FileStream(const Win32FileStream&) = delete;
  Win32FileStream& operator=(const Win32FileStream&) = delete;

  std::size_t Read(void* buffer, std::size_t count) override;
  std::size_t Write(const void* buffer, std::size_t count) override;
  std::int64_t Seek(std::int64_t offset, SeekOrigin origin) override;
  std::int64_t Size() override;
  // Volume serial number, file index, size and last write time.
  std::optional<FileStamp> Stamp() override;

 private:
  void* handle_;
  std::int64_t position_ = 0;
};

}  // namespace sorvane
