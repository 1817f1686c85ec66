#include <poll.h>

#include <vector>

#include "platform/SocketPoll.h"

namespace sorvane {

void PollSockets(SocketWait* sockets, std::size_t count, int waitMs) {
  std::vector<pollfd> fds(count);
  for (std::size_t i = 0; i < count; ++i) {
    fds[i].fd = static_cast<int>(sockets[i].socket);
    fds[i].events = static_cast<short>((sockets[i].read ? POLLIN : 0) | (sockets[i].write ? POLLOUT : 0));
  }
  if (::poll(fds.data(), fds.size(), waitMs) <= 0) return;
  for (std::size_t i = 0; i < count; ++i) {
    sockets[i].readable = (fds[i].revents & (POLLIN | POLLERR | POLLHUP)) != 0;
    sockets[i].writable = (fds[i].revents & POLLOUT) != 0;
  }
}

}  // namespace sorvane
