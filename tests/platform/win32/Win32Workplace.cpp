#include <filesystem>
#include <stdexcept>
#include <string>

#include "FileSystemWorkplace.h"
#include "Win32TestFolder.h"
#include "platform/win32/Win32FileSystem.h"
#include "platform/win32/WindowsApi.h"

namespace sorvane {

const char kRealWorkplaceName[] = "Win32";

Workplace RealWorkplace() {
  Workplace place;
  place.files = std::make_unique<Win32FileSystem>();
  place.root = testing::MakeTestFolder("sorvane-fs");
  char current[MAX_PATH + 1] = {};
  ::GetCurrentDirectoryA(sizeof current, current);
  place.drive = std::string(current, 2);
  place.readersShare = false;
  place.hide = [](const std::string& path) { ::SetFileAttributesA(path.c_str(), FILE_ATTRIBUTE_HIDDEN); };
  place.cleanUp = [root = place.root] { testing::RemoveTestFolder(root); };
  return place;
}

}  // namespace sorvane
