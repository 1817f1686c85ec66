#include "platform/posix/PosixInternetConnection.h"

#include <ifaddrs.h>
#include <net/if.h>
#include <sys/socket.h>

namespace sorvane {

bool HasNetworkInterface() {
  ifaddrs* list = nullptr;
  if (::getifaddrs(&list) != 0) return false;
  bool found = false;
  for (const ifaddrs* i = list; i != nullptr && !found; i = i->ifa_next) {
    if (i->ifa_addr == nullptr || (i->ifa_flags & IFF_UP) == 0 || (i->ifa_flags & IFF_LOOPBACK) != 0) continue;
    found = i->ifa_addr->sa_family == AF_INET || i->ifa_addr->sa_family == AF_INET6;
  }
  ::freeifaddrs(list);
  return found;
}

bool PosixInternetConnection::Connected(const std::string& updateHost) {
  return IsLoopbackHost(updateHost) || HasNetworkInterface();
}

}  // namespace sorvane
