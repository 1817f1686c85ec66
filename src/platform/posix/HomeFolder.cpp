#include "platform/posix/HomeFolder.h"

#include <pwd.h>
#include <unistd.h>

#include <cstdlib>

namespace sorvane {

std::string HomeFolder() {
  if (const char* home = std::getenv("HOME"); home != nullptr && *home != '\0') return home;
  const passwd* entry = getpwuid(geteuid());
  return entry != nullptr && entry->pw_dir != nullptr ? entry->pw_dir : "";
}

std::string UserDataFolder() {
  // Relative values are invalid by the base directory rules and ignored.
  if (const char* data = std::getenv("XDG_DATA_HOME"); data != nullptr && data[0] == '/') return data;
  return HomeFolder() + "/.local/share";
}

}  // namespace sorvane
