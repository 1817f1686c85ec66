#include "Win32TestFolder.h"

#include <filesystem>
#include <stdexcept>

#include "platform/win32/Win32SystemFolders.h"
#include "platform/win32/WindowsApi.h"

namespace sorvane::testing {

std::string MakeTestFolder(const std::string& prefix) {
  const std::string parent = Win32SystemFolders().TempPath();
  for (unsigned attempt = 0; attempt < 100; ++attempt) {
    const std::string folder =
        parent + prefix + "-" + std::to_string(::GetCurrentProcessId()) + "-" + std::to_string(::GetTickCount() + attempt);
    if (::CreateDirectoryA(folder.c_str(), nullptr)) return folder;
  }
  throw std::runtime_error("no test folder in " + parent);
}

void RemoveTestFolder(const std::string& folder) {
  std::error_code ignored;
  // Hidden and read-only entries are removed as well.
  std::filesystem::remove_all(std::filesystem::path(std::u8string(folder.begin(), folder.end())), ignored);
}

}  // namespace sorvane::testing
