#include "platform/posix/PosixNetwork.h"

#include <ares.h>

#include "platform/Errors.h"
#include "platform/NativeServices.h"
#include "platform/posix/PosixTcpSocket.h"

namespace sorvane {

PosixNetwork::PosixNetwork(LookupOptions options) : options_(std::move(options)) {
  // c-ares counts its initialisations itself, so every PosixNetwork may
  // start and stop it.
  if (ares_library_init(ARES_LIB_INIT_ALL) != ARES_SUCCESS)
    throw ESockError("Initializaton of windows sockets failed");
}

PosixNetwork::~PosixNetwork() { ares_library_cleanup(); }

std::unique_ptr<TcpSocket> PosixNetwork::CreateSocket(int& error) {
  return PosixTcpSocket::Create(error);
}

std::unique_ptr<HostLookup> PosixNetwork::StartLookup(const std::string& name) {
  return std::make_unique<AresHostLookup>(name, options_);
}

std::unique_ptr<Network> NewNetwork() { return std::make_unique<PosixNetwork>(); }

}  // namespace sorvane
