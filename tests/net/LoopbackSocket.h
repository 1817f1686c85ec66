#pragma once

#include <cstddef>
#include <cstdint>

namespace sorvane::testing {

// Where a datagram came from, to answer it.
struct DatagramSender {
  alignas(8) unsigned char address[32] = {};
  int size = sizeof address;
};

// A socket of the test peers on 127.0.0.1, closed when the object goes. The
// same calls on every system (the system's own socket calls behind them).
class LoopbackSocket {
 public:
  enum class Kind { Listener, Datagram };

  // Bound to 127.0.0.1 at a port of the system's choice; a Listener also
  // listens, with room for backlog connections not yet accepted. Throws
  // std::runtime_error.
  explicit LoopbackSocket(Kind kind, int backlog = 16);
  // A connection to port on 127.0.0.1, made before the call returns;
  // invalid when it could not be made.
  static LoopbackSocket ConnectTo(int port);
  LoopbackSocket() = default;
  ~LoopbackSocket();
  LoopbackSocket(LoopbackSocket&& other) noexcept;
  LoopbackSocket& operator=(LoopbackSocket&& other) noexcept;

  bool Valid() const { return valid_; }
  int Port() const { return port_; }

  // Waits at most ms until data, a connection or the end is waiting, or
  // until something can be sent.
  bool AwaitReadable(int ms) const;
  bool AwaitWritable(int ms) const;

  // A waiting connection; invalid when there is none.
  LoopbackSocket Accept() const;

  // Bytes moved, 0 for the end of the connection, negative for an error. A
  // peer that has gone gives an error, never a signal.
  long Receive(void* buffer, std::size_t size) const;
  long Send(const void* data, std::size_t size) const;
  long ReceiveFrom(void* buffer, std::size_t size, DatagramSender& from) const;
  void SendTo(const void* data, std::size_t size, const DatagramSender& to) const;

  // Makes the close a reset instead of an orderly close.
  void ResetOnClose() const;

 private:
  void Close();

  std::uintptr_t handle_ = 0;
  bool valid_ = false;
  int port_ = 0;
};

}  // namespace sorvane::testing
