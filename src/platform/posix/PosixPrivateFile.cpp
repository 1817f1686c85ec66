#include <fcntl.h>
#include <unistd.h>

#include "platform/NativeServices.h"

namespace sorvane {

bool WritePrivateFile(const std::string& path, const std::string& bytes) {
  const int fd = ::open(path.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0600);
  if (fd < 0) return false;
  const bool written = ::write(fd, bytes.data(), bytes.size()) == static_cast<ssize_t>(bytes.size());
  const bool closed = ::close(fd) == 0;
  // A key cut short is of no use, and would stand in the way of the next.
  if (!written || !closed) ::unlink(path.c_str());
  return written && closed;
}

}  // namespace sorvane
