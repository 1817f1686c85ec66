#include "platform/win32/Win32DriveTypes.h"

#include "platform/win32/WidePath.h"
#include "platform/win32/WindowsApi.h"

namespace sorvane {
namespace {

bool IsSeparator(char c) { return c == '/' || c == '\\'; }

// "C:/..." or "//server/share/..."; everything else depends on the current
// folder.
bool IsAbsolute(const std::string& path) {
  if (path.size() >= 3 && path[1] == ':' && IsSeparator(path[2])) return true;
  return path.size() >= 2 && IsSeparator(path[0]) && IsSeparator(path[1]);
}

}  // namespace

int Win32DriveTypes::GetDriveType(const std::string& path) {
  if (!IsAbsolute(path)) return DRIVE_NO_ROOT_DIR;
  wchar_t root[MAX_PATH + 1] = {};
  if (!::GetVolumePathNameW(WidePath(path).c_str(), root, MAX_PATH + 1)) return DRIVE_NO_ROOT_DIR;
  return static_cast<int>(::GetDriveTypeW(root));
}

}  // namespace sorvane
