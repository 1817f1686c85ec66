#include "platform/win32/Win32EngineFolder.h"

#include <string>

#include "platform/win32/WidePath.h"
#include "platform/win32/WindowsApi.h"

namespace sorvane {
namespace {

// Asks by doing: a probe file that the system deletes itself when it is
// closed (or the process ends), so nothing stays behind in the folder.
bool TakesFiles(const std::string& folder) {
  const std::string probe = folder + "~sorvane-" + std::to_string(::GetCurrentProcessId()) + ".tmp";
  const HANDLE file = ::CreateFileW(WidePath(probe).c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW,
                                    FILE_ATTRIBUTE_TEMPORARY | FILE_FLAG_DELETE_ON_CLOSE, nullptr);
  if (file == INVALID_HANDLE_VALUE) return false;
  ::CloseHandle(file);
  return true;
}

// The folder and the ones on the way to it; what exists already is kept.
void MakeFolders(const std::string& folder) {
  for (std::size_t slash = folder.find('/', 3); slash != std::string::npos; slash = folder.find('/', slash + 1)) {
    ::CreateDirectoryW(WidePath(folder.substr(0, slash)).c_str(), nullptr);
  }
}

}  // namespace

std::string ChooseEngineFolder(const std::string& systemFolder, const std::string& userFolder) {
  if (!systemFolder.empty() && TakesFiles(systemFolder)) return systemFolder;
  MakeFolders(userFolder);
  return userFolder;
}

}  // namespace sorvane
