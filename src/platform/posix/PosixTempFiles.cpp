#include "platform/posix/PosixTempFiles.h"

#include <fcntl.h>
#include <stdlib.h>
#include <unistd.h>

#include <vector>

#include "platform/Errors.h"

namespace sorvane {

std::string PosixTempFiles::CreateUniqueFile(const std::string& folder, const std::string& prefix) {
  const std::string pattern = folder + prefix.substr(0, 3) + "XXXXXX.tmp";
  std::vector<char> name(pattern.begin(), pattern.end());
  name.push_back('\0');
  const int fd = ::mkostemps(name.data(), 4, O_CLOEXEC);
  if (fd < 0) throw EFCreateError(FormatText(texts::kFCreateError, pattern));
  ::close(fd);
  return std::string(name.data());
}

}  // namespace sorvane
