#pragma once

#include "platform/Network.h"
#include "platform/AresHostLookup.h"

namespace sorvane {

// Non-blocking POSIX TCP sockets and c-ares host-name lookups. The c-ares
// library is started when the first PosixNetwork is made and shut down when
// the last one goes; make one per program and hand it to whoever needs it.
class PosixNetwork : public Network {
 public:
  // Throws ESockError "Initializaton of windows sockets failed" when the
  // lookup library cannot be started.
  explicit PosixNetwork(LookupOptions options = {});
  ~PosixNetwork() override;
  PosixNetwork(const PosixNetwork&) = delete;
  PosixNetwork& operator=(const PosixNetwork&) = delete;

  std::unique_ptr<TcpSocket> CreateSocket(int& error) override;
  std::unique_ptr<HostLookup> StartLookup(const std::string& name) override;

 private:
  LookupOptions options_;
};

}  // namespace sorvane
