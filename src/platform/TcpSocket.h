#pragma once

#include <array>
#include <cstddef>
#include <cstdint>

namespace sorvane {

// An IPv4 address, the four bytes in network order (127.0.0.1 is
// {127, 0, 0, 1}).
struct Ipv4Address {
  std::array<std::uint8_t, 4> bytes{};
  bool operator==(const Ipv4Address&) const = default;
};

// Outcome of one send or receive. error is a Windows Sockets number
// (platform/SocketErrors.h) or 0. A receive with count 0 and error 0 means
// the peer has ended the connection; error wsa::kWouldBlock means nothing
// can be moved right now.
struct IoResult {
  std::size_t count = 0;
  int error = 0;
};

// One non-blocking TCP socket. No call blocks longer than the wait it is
// given, so the caller can keep the user interface alive between calls.
class TcpSocket {
 public:
  virtual ~TcpSocket() = default;

  // Starts connecting. Returns 0 when the connection is made at once,
  // wsa::kWouldBlock when it is under way, or the error number.
  virtual int StartConnect(const Ipv4Address& address, std::uint16_t port) = 0;

  // Waits at most waitMs for a connection under way. Returns 0 once it is
  // established, wsa::kWouldBlock while it is still under way, or the error
  // that made it fail.
  virtual int AwaitConnect(int waitMs) = 0;

  // True between an established connection and CloseReset.
  virtual bool Connected() const = 0;

  // Sends what the system takes now, at most count bytes.
  virtual IoResult Send(const void* data, std::size_t count) = 0;

  // Takes what has arrived, at most count bytes, without waiting.
  virtual IoResult Receive(void* buffer, std::size_t count) = 0;

  // Waits at most waitMs until data (or the end of the connection) is
  // waiting to be received, or until the socket can take more to send.
  virtual void AwaitReadable(int waitMs) = 0;
  virtual void AwaitWritable(int waitMs) = 0;

  // Drops the connection at once: the peer sees a reset, nothing that is
  // still queued is delivered, and the socket is gone.
  virtual void CloseReset() = 0;
};

}  // namespace sorvane
