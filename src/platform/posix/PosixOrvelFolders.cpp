#include "platform/posix/PosixOrvelFolders.h"

#include <pwd.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cstdlib>

namespace sorvane {
namespace {

std::string Environment(const char* name) {
  const char* value = std::getenv(name);
  return value != nullptr ? value : "";
}

std::string HomeFolder() {
  std::string home = Environment("HOME");
  if (home.empty()) {
    if (const passwd* entry = getpwuid(getuid()); entry != nullptr && entry->pw_dir != nullptr) home = entry->pw_dir;
  }
  return home;
}

// mkdir -p with mode 0700 for what it makes.
void MakeFolders(const std::string& folder) {
  for (std::size_t slash = folder.find('/', 1); slash != std::string::npos; slash = folder.find('/', slash + 1)) {
    ::mkdir(folder.substr(0, slash).c_str(), 0700);
  }
  ::mkdir(folder.c_str(), 0700);
}

}  // namespace

std::string OrvelSystemFolder() {
  std::string folder = Environment("ORVEL_SYSTEM_DIR");
  if (folder.empty()) {
    std::string data = Environment("XDG_DATA_HOME");
    // The XDG rules ignore a relative value.
    if (data.empty() || data.front() != '/') data = HomeFolder() + "/.local/share";
    folder = data + "/orvel/system";
  }
  if (folder.back() != '/') folder += '/';
  MakeFolders(folder);
  return folder;
}

}  // namespace sorvane
