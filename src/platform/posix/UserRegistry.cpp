#include "platform/posix/UserRegistry.h"

#include <cstdlib>

#include "platform/posix/HomeFolder.h"
#include "platform/posix/SqliteRegistryStore.h"

namespace sorvane {
namespace {

std::string Environment(const char* name) {
  const char* value = std::getenv(name);
  return value ? value : "";
}

}  // namespace

std::string UserRegistryFolder() {
  if (std::string folder = Environment("ORVEL_REGISTRY_DIR"); !folder.empty()) return folder;
  // Relative values of XDG_CONFIG_HOME are invalid and ignored, as the base
  // directory rules ask.
  if (std::string config = Environment("XDG_CONFIG_HOME"); !config.empty() && config.front() == '/')
    return config + "/orvel";
  return HomeFolder() + "/.config/orvel";
}

std::string UserRegistryPlace() {
  return "die Datei registry.sqlite3 im Ordner $ORVEL_REGISTRY_DIR,\n"
         "sonst $XDG_CONFIG_HOME/orvel, sonst ~/.config/orvel";
}

std::unique_ptr<RegistryStore> OpenUserRegistryStore() {
  return std::make_unique<SqliteRegistryStore>(UserRegistryFolder());
}

}  // namespace sorvane
