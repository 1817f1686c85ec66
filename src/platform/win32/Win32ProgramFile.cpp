#include "platform/BackslashPath.h"
#include "platform/win32/Win32ProgramFile.h"

#include <vector>

#include "platform/Errors.h"
#include "platform/win32/WidePath.h"
#include "platform/win32/WindowsApi.h"

namespace sorvane {
std::string Win32ProgramFile::ProgramPath() {
  // A cut-off answer fills the buffer completely; grow it until the path
  // leaves room to spare.
  for (DWORD size = MAX_PATH; size <= 32768; size *= 2) {
    std::vector<wchar_t> buffer(size);
    const DWORD length = ::GetModuleFileNameW(nullptr, buffer.data(), size);
    if (length == 0) break;
    // With the long names of its folders: a program started by its short
    // name (as an update's script restarts it) registers and shows the
    // names the user knows.
    if (length < size) return PathFromWide(PathWithNames(std::wstring(buffer.data(), length), PathNames::Long));
  }
  throw EFOpenError(FormatText(texts::kFOpenError, "GetModuleFileName"));
}

std::string Win32ProgramFile::NativeProgramPath() { return BackslashPath(ProgramPath()); }

}  // namespace sorvane
