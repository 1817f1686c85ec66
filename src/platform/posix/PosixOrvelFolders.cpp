#include "platform/NativeServices.h"

#include <sys/stat.h>

#include <cstdlib>

#include "platform/posix/HomeFolder.h"

namespace sorvane {
namespace {

std::string Environment(const char* name) {
  const char* value = std::getenv(name);
  return value != nullptr ? value : "";
}

// mkdir -p with mode 0700 for what it makes.
void MakeFolders(const std::string& folder) {
  for (std::size_t slash = folder.find('/', 1); slash != std::string::npos; slash = folder.find('/', slash + 1)) {
    ::mkdir(folder.substr(0, slash).c_str(), 0700);
  }
  ::mkdir(folder.c_str(), 0700);
}

}  // namespace

// Linux has no system folder for the engines: $ORVEL_SYSTEM_DIR when set,
// else $XDG_DATA_HOME/orvel/system/ ($XDG_DATA_HOME defaulting to
// ~/.local/share). Missing folders on the way are created with mode 0700; a
// failure there is left for the first file written into it to report.
std::string OrvelSystemFolder() {
  std::string folder = Environment("ORVEL_SYSTEM_DIR");
  if (folder.empty()) folder = UserDataFolder() + "/orvel/system";
  if (folder.back() != '/') folder += '/';
  MakeFolders(folder);
  return folder;
}

}  // namespace sorvane
