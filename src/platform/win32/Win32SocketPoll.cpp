#include <winsock2.h>

#include "platform/SocketPoll.h"

namespace sorvane {

void PollSockets(SocketWait* sockets, std::size_t count, int waitMs) {
  // select, not WSAPoll: WSAPoll misses connections that fail. The sets hold
  // up to FD_SETSIZE (64) sockets each, far more than any caller waits on.
  fd_set readers;
  fd_set writers;
  fd_set failures;
  FD_ZERO(&readers);
  FD_ZERO(&writers);
  FD_ZERO(&failures);
  for (std::size_t i = 0; i < count && i < FD_SETSIZE; ++i) {
    const auto socket = static_cast<SOCKET>(sockets[i].socket);
    if (sockets[i].read) FD_SET(socket, &readers);
    if (sockets[i].write) FD_SET(socket, &writers);
    FD_SET(socket, &failures);
  }
  if (readers.fd_count == 0 && writers.fd_count == 0) {
    // select refuses empty sets instead of waiting.
    ::Sleep(static_cast<DWORD>(waitMs));
    return;
  }
  timeval limit{waitMs / 1000, (waitMs % 1000) * 1000};
  if (::select(0, &readers, &writers, &failures, &limit) <= 0) return;
  for (std::size_t i = 0; i < count && i < FD_SETSIZE; ++i) {
    const auto socket = static_cast<SOCKET>(sockets[i].socket);
    sockets[i].readable = FD_ISSET(socket, &readers) || FD_ISSET(socket, &failures);
    sockets[i].writable = FD_ISSET(socket, &writers);
  }
}

}  // namespace sorvane
