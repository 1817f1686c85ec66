#include "platform/BackslashPath.h"
#include "platform/win32/Win32ProgramFile.h"

#include <vector>

#include "platform/Errors.h"
#include "platform/win32/WidePath.h"
#include "platform/win32/WindowsApi.h"

namespace sorvane {
namespace {

// The path with the long names of its folders: a program started by its
// short name (as an update's script may restart it) registers and shows the
// names the user knows.
std::wstring LongPath(const std::wstring& path) {
  const DWORD size = ::GetLongPathNameW(path.c_str(), nullptr, 0);
  if (size == 0) return path;
  std::wstring full(size, L'\0');
  const DWORD length = ::GetLongPathNameW(path.c_str(), full.data(), size);
  if (length == 0 || length >= size) return path;
  full.resize(length);
  return full;
}

}  // namespace

std::string Win32ProgramFile::ProgramPath() {
  // A cut-off answer fills the buffer completely; grow it until the path
  // leaves room to spare.
  for (DWORD size = MAX_PATH; size <= 32768; size *= 2) {
    std::vector<wchar_t> buffer(size);
    const DWORD length = ::GetModuleFileNameW(nullptr, buffer.data(), size);
    if (length == 0) break;
    if (length < size) return PathFromWide(LongPath(std::wstring(buffer.data(), length)));
  }
  throw EFOpenError(FormatText(texts::kFOpenError, "GetModuleFileName"));
}

std::string Win32ProgramFile::NativeProgramPath() { return BackslashPath(ProgramPath()); }

}  // namespace sorvane
