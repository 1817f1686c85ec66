#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <atomic>
#include <cerrno>

#include "platform/UnpackFolder.h"

namespace sorvane {
namespace {

int Fd(std::intptr_t handle) { return static_cast<int>(handle); }

}  // namespace

UnpackFile::~UnpackFile() {
  if (handle_ >= 0) ::close(Fd(handle_));
}

bool UnpackFile::Write(const char* data, std::size_t size) {
  for (std::size_t done = 0; done < size;) {
    const ssize_t put = ::write(Fd(handle_), data + done, size - done);
    if (put < 0 && errno == EINTR) continue;
    if (put <= 0) return false;
    done += static_cast<std::size_t>(put);
  }
  return true;
}

void UnpackFile::SetModified(std::time_t time) {
  const timespec times[2] = {{0, UTIME_OMIT}, {time, 0}};
  ::futimens(Fd(handle_), times);
}

bool UnpackFile::Close() {
  const int fd = Fd(handle_);
  handle_ = -1;
  return ::close(fd) == 0;
}

UnpackFolder::~UnpackFolder() {
  if (handle_ >= 0) ::close(Fd(handle_));
}

bool UnpackFolder::Open(const std::string& path) {
  handle_ = ::open(path.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
  return handle_ >= 0;
}

bool UnpackFolder::Enter(const std::string& name, UnpackFolder& into) const {
  ::mkdirat(Fd(handle_), name.c_str(), 0777);
  if (into.handle_ >= 0) ::close(Fd(into.handle_));
  into.handle_ = ::openat(Fd(handle_), name.c_str(), O_RDONLY | O_DIRECTORY | O_NOFOLLOW | O_CLOEXEC);
  return into.handle_ >= 0;
}

int UnpackFolder::FileMode(const std::string& name, bool followLink) const {
  struct stat info {};
  if (::fstatat(Fd(handle_), name.c_str(), &info, followLink ? 0 : AT_SYMLINK_NOFOLLOW) != 0 ||
      !S_ISREG(info.st_mode))
    return -1;
  return static_cast<int>(info.st_mode & 0777);
}

bool UnpackFolder::CreateScratch(int mode, UnpackFile& file, std::string& name) const {
  static std::atomic<unsigned> serial{0};
  name = ".unzipengine-" + std::to_string(::getpid()) + "-" + std::to_string(serial++);
  const int fd = ::openat(Fd(handle_), name.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, 0600);
  if (fd < 0) return false;
  file.handle_ = fd;
  if (::fchmod(fd, static_cast<mode_t>(mode)) != 0) {
    file.Close();
    Remove(name);
    return false;
  }
  return true;
}

bool UnpackFolder::Replace(const std::string& from, const std::string& to) const {
  return ::renameat(Fd(handle_), from.c_str(), Fd(handle_), to.c_str()) == 0;
}

void UnpackFolder::Remove(const std::string& name) const { ::unlinkat(Fd(handle_), name.c_str(), 0); }

bool FileReadable(const std::string& path) {
  const int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC);
  if (fd < 0) return false;
  ::close(fd);
  return true;
}

}  // namespace sorvane
