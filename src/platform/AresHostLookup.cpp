#include "platform/AresHostLookup.h"

#include <ares.h>
// struct hostent: ares.h brings it along on Windows (winsock2.h), not here.
#if __has_include(<netdb.h>)
#include <netdb.h>
#endif

#include <algorithm>
#include <cstring>

#include "platform/SocketErrors.h"
#include "platform/SocketPoll.h"

namespace sorvane {

int WinsockErrorFromAres(int status) {
  switch (status) {
    case ARES_ENOTFOUND:
    case ARES_EBADNAME:
      return wsa::kHostNotFound;
    case ARES_ENODATA:
      return wsa::kNoData;
    case ARES_ESERVFAIL:
    case ARES_ETIMEOUT:
    case ARES_ECONNREFUSED:
      return wsa::kTryAgain;
    case ARES_ENOMEM:
      return wsa::kNoBufferSpace;
    default:  // FORMERR, REFUSED, NOTIMP and the library's own failures
      return wsa::kNoRecovery;
  }
}

AresHostLookup::AresHostLookup(const std::string& name, const LookupOptions& options) {
  // An empty name would be sent to the name servers as the root domain.
  if (name.empty()) {
    Fail(wsa::kHostNotFound);
    return;
  }
  int status = ares_init(&channel_);
  if (status == ARES_SUCCESS && !options.servers.empty())
    status = ares_set_servers_ports_csv(channel_, options.servers.c_str());
  if (status != ARES_SUCCESS) {
    Fail(WinsockErrorFromAres(status));
    return;
  }
  // May call Done at once, for names found in /etc/hosts.
  ares_gethostbyname(channel_, name.c_str(), AF_INET, &AresHostLookup::Done, this);
}

AresHostLookup::~AresHostLookup() {
  // Destroying the channel calls Done for an unfinished query; state_ is
  // still ours then.
  if (channel_ != nullptr) ares_destroy(channel_);
}

void AresHostLookup::Fail(int error) {
  state_ = State::Failed;
  error_ = error;
}

void AresHostLookup::Done(void* self, int status, int, hostent* host) {
  auto* lookup = static_cast<AresHostLookup*>(self);
  if (lookup->state_ != State::Pending) return;
  if (status != ARES_SUCCESS) {
    lookup->Fail(WinsockErrorFromAres(status));
    return;
  }
  if (host == nullptr || host->h_addrtype != AF_INET || host->h_length != 4 ||
      host->h_addr_list == nullptr || host->h_addr_list[0] == nullptr) {
    lookup->Fail(wsa::kNoData);
    return;
  }
  std::memcpy(lookup->address_.bytes.data(), host->h_addr_list[0], 4);
  lookup->state_ = State::Resolved;
}

HostLookup::State AresHostLookup::Poll(int waitMs) {
  if (state_ != State::Pending) return state_;
  ares_socket_t sockets[ARES_GETSOCK_MAXNUM];
  const int mask = ares_getsock(channel_, sockets, ARES_GETSOCK_MAXNUM);
  SocketWait waits[ARES_GETSOCK_MAXNUM];
  std::size_t count = 0;
  for (int i = 0; i < ARES_GETSOCK_MAXNUM; ++i) {
    SocketWait wait{static_cast<std::uintptr_t>(sockets[i]), ARES_GETSOCK_READABLE(mask, i) != 0,
                    ARES_GETSOCK_WRITABLE(mask, i) != 0};
    if (wait.read || wait.write) waits[count++] = wait;
  }
  // Never wait past the moment c-ares wants to resend or give up.
  timeval limit{waitMs / 1000, (waitMs % 1000) * 1000};
  timeval next{};
  const timeval* wait = ares_timeout(channel_, &limit, &next);
  const int waitFor = static_cast<int>(wait->tv_sec * 1000 + (wait->tv_usec + 999) / 1000);
  PollSockets(waits, count, std::min(waitFor, waitMs));
  bool ready = false;
  for (std::size_t i = 0; i < count && state_ == State::Pending; ++i) {
    if (!waits[i].readable && !waits[i].writable) continue;
    ready = true;
    const auto socket = static_cast<ares_socket_t>(waits[i].socket);
    ares_process_fd(channel_, waits[i].readable ? socket : ARES_SOCKET_BAD,
                    waits[i].writable ? socket : ARES_SOCKET_BAD);
  }
  if (!ready) ares_process_fd(channel_, ARES_SOCKET_BAD, ARES_SOCKET_BAD);  // time-outs
  return state_;
}

}  // namespace sorvane
