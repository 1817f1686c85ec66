#include "platform/BackslashPath.h"
#include "platform/win32/Win32ProgramFile.h"

#include <vector>

#include "platform/Errors.h"
#include "platform/win32/AnsiText.h"
#include "platform/win32/WindowsApi.h"

namespace sorvane {

std::string Win32ProgramFile::ProgramPath() {
  // A cut-off answer fills the buffer completely; grow it until the path
  // leaves room to spare.
  for (DWORD size = MAX_PATH; size <= 32768; size *= 2) {
    std::vector<char> buffer(size);
    const DWORD length = ::GetModuleFileNameA(nullptr, buffer.data(), size);
    if (length == 0) break;
    if (length < size) return PathFromAnsi(std::string_view(buffer.data(), length));
  }
  throw EFOpenError(FormatText(texts::kFOpenError, "GetModuleFileName"));
}

std::string Win32ProgramFile::NativeProgramPath() { return BackslashPath(ProgramPath()); }

}  // namespace sorvane
