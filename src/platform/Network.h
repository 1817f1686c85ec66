#pragma once

#include <memory>
#include <string>

#include "platform/HostLookup.h"
#include "platform/TcpSocket.h"

namespace sorvane {

// The system's TCP/IP services. One object serves the whole program and
// outlives every socket and lookup it made.
class Network {
 public:
  virtual ~Network() = default;

  // A fresh, unconnected TCP socket; nullptr with error set to the Windows
  // Sockets number when the system refuses one.
  virtual std::unique_ptr<TcpSocket> CreateSocket(int& error) = 0;

  // Starts looking up the IPv4 address of a host name.
  virtual std::unique_ptr<HostLookup> StartLookup(const std::string& name) = 0;
};

}  // namespace sorvane
