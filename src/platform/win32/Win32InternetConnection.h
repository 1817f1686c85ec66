#pragma once

#include <string>

#include "platform/InternetConnection.h"

namespace sorvane {

// The connected state as WinInet's InternetGetConnectedState reports it; a
// loopback update host counts as reachable without it.
class Win32InternetConnection : public InternetConnection {
 public:
  bool Connected(const std::string& updateHost) override;
};

}  // namespace sorvane
