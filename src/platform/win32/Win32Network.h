#pragma once

#include "platform/AresHostLookup.h"
#include "platform/Network.h"

namespace sorvane {

// Windows Sockets 2 TCP sockets and c-ares host-name lookups. Windows
// Sockets and c-ares are started when a Win32Network is made and shut down
// when it goes (both count their starts, so several may live at once); make
// one per program and hand it to whoever needs it.
class Win32Network : public Network {
 public:
  // Throws ESockError "Initializaton of windows sockets failed" when
  // Windows Sockets 2.2 or the lookup library cannot be started.
  explicit Win32Network(LookupOptions options = {});
  ~Win32Network() override;
  Win32Network(const Win32Network&) = delete;
  Win32Network& operator=(const Win32Network&) = delete;

  std::unique_ptr<TcpSocket> CreateSocket(int& error) override;
  std::unique_ptr<HostLookup> StartLookup(const std::string& name) override;

 private:
  LookupOptions options_;
};

}  // namespace sorvane
