#pragma once

#include <string>

namespace sorvane {

// The user's home folder: $HOME, else (a service started without it) the
// user database's entry for the effective user; "" when neither is there.
std::string HomeFolder();

// The user's data folder by the base directory rules: $XDG_DATA_HOME when it
// is an absolute path, else the home folder's ".local/share".
std::string UserDataFolder();

}  // namespace sorvane
