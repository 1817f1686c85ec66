#pragma once

#include <string>

namespace sorvane {

// The update server's host, when ORVEL_UPDATE_HOST does not name another.
inline constexpr char kDefaultUpdateHost[] = "updates.orvel.example";

// ORVEL_UPDATE_HOST when it is set and not empty, else kDefaultUpdateHost.
// The value may carry a port ("127.0.0.1:8080"): the update addresses are
// "http://" + host + path, and the HTTP client takes the port from there.
std::string UpdateHost();

}  // namespace sorvane
