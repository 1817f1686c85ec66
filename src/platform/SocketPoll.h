#pragma once

#include <cstddef>
#include <cstdint>

namespace sorvane {

// One socket of the system's socket calls to wait on, and what it turned
// out ready for.
struct SocketWait {
  std::uintptr_t socket = 0;
  bool read = false;   // wait until data or the end can be received
  bool write = false;  // wait until something can be sent
  bool readable = false;
  bool writable = false;
};

// Waits at most waitMs until one of the sockets is ready as asked, and
// marks each that is (an error or a hang-up counts as readable). Without
// sockets it just waits. A wait cut short by the system marks nothing.
void PollSockets(SocketWait* sockets, std::size_t count, int waitMs);

}  // namespace sorvane
