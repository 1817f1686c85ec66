#pragma once

#include <memory>

#include "platform/TcpSocket.h"

namespace sorvane {

// A non-blocking TCP socket over the POSIX socket calls. Errors come back
// as Windows Sockets numbers; nothing here raises.
class PosixTcpSocket : public TcpSocket {
 public:
  // Takes over fd, a non-blocking stream socket.
  explicit PosixTcpSocket(int fd) : fd_(fd) {}
  ~PosixTcpSocket() override;
  PosixTcpSocket(const PosixTcpSocket&) = delete;
  PosixTcpSocket& operator=(const PosixTcpSocket&) = delete;

  // A new socket, or nullptr with error set.
  static std::unique_ptr<TcpSocket> Create(int& error);

  int StartConnect(const Ipv4Address& address, std::uint16_t port) override;
  int AwaitConnect(int waitMs) override;
  bool Connected() const override { return connected_; }
  IoResult Send(const void* data, std::size_t count) override;
  IoResult Receive(void* buffer, std::size_t count) override;
  void AwaitReadable(int waitMs) override;
  void AwaitWritable(int waitMs) override;
  void CloseReset() override;

 private:
  void Await(short events, int waitMs);

  int fd_;
  bool connected_ = false;
};

}  // namespace sorvane
