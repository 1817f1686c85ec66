#include "platform/posix/PosixFileStream.h"

#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <limits>

#include "platform/Errors.h"
#include "platform/posix/PosixFileViews.h"

namespace sorvane {
namespace {

// Linux moves at most about 2 GiB per call; asking for less keeps the
// counts well inside ssize_t and off_t on every system.
constexpr std::size_t kMaxTransfer = std::size_t{1} << 30;

}  // namespace

PosixFileStream::PosixFileStream(int fd, std::function<void()> onClose) : fd_(fd), onClose_(std::move(onClose)) {}

PosixFileStream::~PosixFileStream() {
  ::close(fd_);
  if (onClose_) onClose_();
}

std::size_t PosixFileStream::Read(void* buffer, std::size_t count) {
  count = std::min(count, kMaxTransfer);
  if (count == 0) return 0;
  for (;;) {
    const ssize_t got = ::pread(fd_, buffer, count, static_cast<off_t>(position_));
    if (got >= 0) {
      position_ += got;
      return static_cast<std::size_t>(got);
    }
    if (errno != EINTR) throw EReadError(texts::kReadError);
  }
}

std::size_t PosixFileStream::Write(const void* buffer, std::size_t count) {
  count = std::min(count, kMaxTransfer);
  if (count == 0) return 0;
  for (;;) {
    const ssize_t put = ::pwrite(fd_, buffer, count, static_cast<off_t>(position_));
    if (put >= 0) {
      position_ += put;
      return static_cast<std::size_t>(put);
    }
    if (errno == EINTR) continue;
    // A full device is the case callers report as a short write.
    if (errno == ENOSPC || errno == EDQUOT || errno == EFBIG) return 0;
    throw EWriteError(texts::kWriteError);
  }
}

std::int64_t PosixFileStream::Seek(std::int64_t offset, SeekOrigin origin) {
  std::int64_t base = 0;
  switch (origin) {
    case SeekOrigin::Begin: base = 0; break;
    case SeekOrigin::Current: base = position_; break;
    case SeekOrigin::End: base = Size(); break;
  }
  constexpr std::int64_t kMax = std::numeric_limits<off_t>::max();
  if (offset < 0 ? base + offset < 0 : offset > kMax - base) throw EReadError(texts::kReadError);
  position_ = base + offset;
  return position_;
}

std::size_t PosixFileStream::CopyFrom(Stream& source, void* buffer, std::size_t count) {
  auto* file = dynamic_cast<PosixFileStream*>(&source);
  count = std::min(count, kMaxTransfer);
  while (file != nullptr && count > 0) {
    loff_t from = file->position_;
    loff_t to = position_;
    const ssize_t moved = ::copy_file_range(file->fd_, &from, fd_, &to, count, 0);
    if (moved >= 0) {
      file->position_ = from;
      position_ = to;
      return static_cast<std::size_t>(moved);
    }
    if (errno == EINTR) continue;
    if (errno == ENOSPC || errno == EDQUOT || errno == EFBIG) throw EWriteError(texts::kWriteError);
    // Not possible between these two (another file system, a device, an
    // old kernel): the plain way below says which side failed, if any.
    break;
  }
  return Stream::CopyFrom(source, buffer, count);
}

std::unique_ptr<FileViews> PosixFileStream::Views() { return std::make_unique<PosixFileViews>(fd_); }

std::optional<FileStamp> PosixFileStream::Stamp() {
  struct stat info;
  if (::fstat(fd_, &info) != 0) return std::nullopt;
  return FileStamp{static_cast<std::uint64_t>(info.st_dev), static_cast<std::uint64_t>(info.st_ino), info.st_size,
                   static_cast<std::int64_t>(info.st_mtim.tv_sec) * 1'000'000'000 + info.st_mtim.tv_nsec};
}

std::int64_t PosixFileStream::Size() {
  struct stat info;
  if (::fstat(fd_, &info) != 0) throw EReadError(texts::kReadError);
  return info.st_size;
}

}  // namespace sorvane
