#include "platform/posix/AresHostLookup.h"

#include <algorithm>
#include <ares.h>
#include <cstring>
#include <netdb.h>
#include <poll.h>
#include <sys/socket.h>

#include "platform/SocketErrors.h"
#include "platform/posix/WinsockErrors.h"

namespace sorvane {

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
  pollfd fds[ARES_GETSOCK_MAXNUM];
  nfds_t count = 0;
  for (int i = 0; i < ARES_GETSOCK_MAXNUM; ++i) {
    short events = 0;
    if (ARES_GETSOCK_READABLE(mask, i)) events |= POLLIN;
    if (ARES_GETSOCK_WRITABLE(mask, i)) events |= POLLOUT;
    if (events == 0) continue;
    fds[count++] = pollfd{sockets[i], events, 0};
  }
  // Never wait past the moment c-ares wants to resend or give up.
  timeval limit{waitMs / 1000, (waitMs % 1000) * 1000};
  timeval next{};
  const timeval* wait = ares_timeout(channel_, &limit, &next);
  const int waitFor = static_cast<int>(wait->tv_sec * 1000 + (wait->tv_usec + 999) / 1000);
  const int ready = ::poll(count > 0 ? fds : nullptr, count, std::min(waitFor, waitMs));
  if (ready > 0) {
    for (nfds_t i = 0; i < count && state_ == State::Pending; ++i) {
      const bool readable = (fds[i].revents & (POLLIN | POLLERR | POLLHUP)) != 0;
      const bool writable = (fds[i].revents & POLLOUT) != 0;
      if (!readable && !writable) continue;
      ares_process_fd(channel_, readable ? fds[i].fd : ARES_SOCKET_BAD,
                      writable ? fds[i].fd : ARES_SOCKET_BAD);
    }
  } else {
    ares_process_fd(channel_, ARES_SOCKET_BAD, ARES_SOCKET_BAD);  // time-outs
  }
  return state_;
}

}  // namespace sorvane
