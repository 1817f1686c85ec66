#pragma once

#include <string>

#include "platform/InternetConnection.h"
#include "platform/LoopbackHost.h"

namespace sorvane {

// The connected state on Linux: connected when a network interface other
// than loopback is up and has an address (IPv4 or IPv6). The update host
// counts as reachable without that when it names a loopback address
// ("localhost", a name ending in ".localhost", 127.x.x.x, with or without a
// ":port"), so that a local server works on a machine without a network.
class PosixInternetConnection : public InternetConnection {
 public:
  bool Connected(const std::string& updateHost) override;
};

// Whether an interface other than loopback is up and has an address.
bool HasNetworkInterface();

}  // namespace sorvane
