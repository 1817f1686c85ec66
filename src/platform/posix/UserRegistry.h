#pragma once

#include <memory>
#include <string>

#include "platform/NativeServices.h"
#include "platform/RegistryStore.h"

namespace sorvane {

// The folder of the user's registry: $ORVEL_REGISTRY_DIR when set, else
// $XDG_CONFIG_HOME/orvel, else ~/.config/orvel. Both roots live there, the
// machine's as well as the user's, as a Windows compatibility prefix keeps
// its machine hive: an ordinary user can then write what the program writes
// below HKEY_LOCAL_MACHINE at every start.
std::string UserRegistryFolder();

// OpenUserRegistryStore (NativeServices.h) opens the store in that folder.

}  // namespace sorvane
