#pragma once

#include <cstddef>
#include <cstdint>
#include <functional>

#include "platform/Stream.h"

namespace sorvane {

// A Stream over an open file descriptor. It keeps its own position and reads
// and writes at it with pread and pwrite, so moving the position costs no
// system call: the container load passes over member data by seeking once
// per member.
//
// Read fails with EReadError "Stream-Lesefehler" when the system reports an
// error. Write returns fewer bytes than asked when the device is full (or
// the file reaches its size limit), so WriteBuffer reports
// "Stream-Schreibfehler"; other write errors throw EWriteError directly.
class PosixFileStream : public Stream {
 public:
  // Takes over fd and closes it on destruction; onClose, when set, runs
  // after that (the file system uses it to forget the open file).
  explicit PosixFileStream(int fd, std::function<void()> onClose = {});
  ~PosixFileStream() override;
  PosixFileStream(const PosixFileStream&) = delete;
  PosixFileStream& operator=(const PosixFileStream&) = delete;

  std::size_t Read(void* buffer, std::size_t count) override;
  std::size_t Write(const void* buffer, std::size_t count) override;
  std::int64_t Seek(std::int64_t offset, SeekOrigin origin) override;
  std::int64_t Size() override;
  // Between two file streams the system copies the bytes itself
  // (copy_file_range), sparing the trip through memory; where it cannot
  // (other file systems, devices) the bytes go through buffer as usual.
  std::size_t CopyFrom(Stream& source, void* buffer, std::size_t count) override;
  // Mapped stretches of the file (PosixFileViews).
  std::unique_ptr<FileViews> Views() override;
  // Device, inode, size and modification time in nanoseconds.
  std::optional<FileStamp> Stamp() override;

 private:
  int fd_;
  std::int64_t position_ = 0;
  std::function<void()> onClose_;
};

}  // namespace sorvane
