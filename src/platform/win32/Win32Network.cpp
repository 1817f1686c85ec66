#include "platform/win32/Win32Network.h"

#include <winsock2.h>

#include <ares.h>

#include "platform/Errors.h"
#include "platform/NativeServices.h"
#include "platform/win32/Win32TcpSocket.h"

namespace sorvane {

Win32Network::Win32Network(LookupOptions options) : options_(std::move(options)) {
  WSADATA data;
  if (::WSAStartup(MAKEWORD(2, 2), &data) != 0) throw ESockError("Initializaton of windows sockets failed");
  if (ares_library_init(ARES_LIB_INIT_ALL) != ARES_SUCCESS) {
    ::WSACleanup();
    throw ESockError("Initializaton of windows sockets failed");
  }
}

Win32Network::~Win32Network() {
  ares_library_cleanup();
  ::WSACleanup();
}

std::unique_ptr<TcpSocket> Win32Network::CreateSocket(int& error) { return Win32TcpSocket::Create(error); }

std::unique_ptr<HostLookup> Win32Network::StartLookup(const std::string& name) {
  return std::make_unique<AresHostLookup>(name, options_);
}

std::unique_ptr<Network> NewNetwork() { return std::make_unique<Win32Network>(); }

}  // namespace sorvane
