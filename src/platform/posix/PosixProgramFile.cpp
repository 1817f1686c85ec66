#include "platform/posix/PosixProgramFile.h"

#include <unistd.h>

#include <vector>

#include "platform/Errors.h"

namespace sorvane {

std::string PosixProgramFile::ProgramPath() {
  constexpr char kSelf[] = "/proc/self/exe";
  // readlink does not say whether the buffer was large enough, so grow it
  // until the answer leaves room to spare.
  for (std::size_t size = 256; size <= (1u << 20); size *= 2) {
    std::vector<char> buffer(size);
    const ssize_t length = readlink(kSelf, buffer.data(), buffer.size());
    if (length < 0) break;
    if (static_cast<std::size_t>(length) < buffer.size()) return std::string(buffer.data(), static_cast<std::size_t>(length));
  }
  throw EFOpenError(FormatText(texts::kFOpenError, kSelf));
}

}  // namespace sorvane
