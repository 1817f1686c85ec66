#pragma once

#include <cstdint>
#include <memory>

#include "platform/TcpSocket.h"

namespace sorvane {

// A non-blocking TCP socket over Windows Sockets 2. Errors are the numbers
// WSAGetLastError gives; nothing here raises. Windows Sockets must have been
// started (Win32Network) for as long as the socket lives.
class Win32TcpSocket : public TcpSocket {
 public:
  // Takes over socket, a non-blocking stream socket (a SOCKET).
  explicit Win32TcpSocket(std::uintptr_t socket) : socket_(socket) {}
  ~Win32TcpSocket() override;
  Win32TcpSocket(const Win32TcpSocket&) = delete;
  Win32TcpSocket& operator=(const Win32TcpSocket&) = delete;

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
  bool Open() const;

  std::uintptr_t socket_;
  bool connected_ = false;
};

}  // namespace sorvane
