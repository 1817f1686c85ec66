#pragma once

#include <string>

namespace sorvane {

// Whether the machine can reach the update server, as the system's
// connected-state query answers it before the program tries the server. A
// server on this machine (a loopback host) counts as reachable without a
// network.
class InternetConnection {
 public:
  virtual ~InternetConnection() = default;

  // updateHost: the server's host name or address, optionally ":port".
  virtual bool Connected(const std::string& updateHost) = 0;
};

}  // namespace sorvane
