#include <winsock2.h>
#include <ws2tcpip.h>

#include <climits>
#include <stdexcept>

#include "LoopbackSocket.h"

namespace sorvane::testing {
namespace {

SOCKET Native(std::uintptr_t handle) { return static_cast<SOCKET>(handle); }

int Clamp(std::size_t size) { return size > INT_MAX ? INT_MAX : static_cast<int>(size); }

// The peers may start before the client's network does; Windows Sockets
// count their starts, and this one lasts to the end of the test program.
void StartWindowsSockets() {
  static const bool started = [] {
    WSADATA data;
    return ::WSAStartup(MAKEWORD(2, 2), &data) == 0;
  }();
  if (!started) throw std::runtime_error("test peer: Windows Sockets do not start");
}

}  // namespace

LoopbackSocket::LoopbackSocket(Kind kind, int backlog) {
  StartWindowsSockets();
  const SOCKET socket = kind == Kind::Listener ? ::socket(AF_INET, SOCK_STREAM, IPPROTO_TCP)
                                               : ::socket(AF_INET, SOCK_DGRAM, IPPROTO_UDP);
  if (socket == INVALID_SOCKET) throw std::runtime_error("test peer: no socket");
  handle_ = static_cast<std::uintptr_t>(socket);
  valid_ = true;
  sockaddr_in address{};
  address.sin_family = AF_INET;
  address.sin_addr.s_addr = ::htonl(INADDR_LOOPBACK);
  int size = sizeof address;
  if (::bind(socket, reinterpret_cast<sockaddr*>(&address), size) != 0 ||
      (kind == Kind::Listener && ::listen(socket, backlog) != 0) ||
      ::getsockname(socket, reinterpret_cast<sockaddr*>(&address), &size) != 0)
    throw std::runtime_error("test peer: cannot bind 127.0.0.1");
  port_ = ::ntohs(address.sin_port);
}

LoopbackSocket LoopbackSocket::ConnectTo(int port) {
  StartWindowsSockets();
  LoopbackSocket connection;
  const SOCKET socket = ::socket(AF_INET, SOCK_STREAM, IPPROTO_TCP);
  if (socket == INVALID_SOCKET) return connection;
  connection.handle_ = static_cast<std::uintptr_t>(socket);
  connection.valid_ = true;
  sockaddr_in address{};
  address.sin_family = AF_INET;
  address.sin_addr.s_addr = ::htonl(INADDR_LOOPBACK);
  address.sin_port = ::htons(static_cast<u_short>(port));
  if (::connect(socket, reinterpret_cast<sockaddr*>(&address), sizeof address) != 0) connection.Close();
  return connection;
}

void LoopbackSocket::Close() {
  if (valid_) ::closesocket(Native(handle_));
  valid_ = false;
}

LoopbackSocket LoopbackSocket::Accept() const {
  LoopbackSocket accepted;
  const SOCKET socket = ::accept(Native(handle_), nullptr, nullptr);
  if (socket != INVALID_SOCKET) {
    accepted.handle_ = static_cast<std::uintptr_t>(socket);
    accepted.valid_ = true;
  }
  return accepted;
}

long LoopbackSocket::Receive(void* buffer, std::size_t size) const {
  return ::recv(Native(handle_), static_cast<char*>(buffer), Clamp(size), 0);
}

long LoopbackSocket::Send(const void* data, std::size_t size) const {
  return ::send(Native(handle_), static_cast<const char*>(data), Clamp(size), 0);
}

long LoopbackSocket::ReceiveFrom(void* buffer, std::size_t size, DatagramSender& from) const {
  from.size = sizeof from.address;
  return ::recvfrom(Native(handle_), static_cast<char*>(buffer), Clamp(size), 0,
                    reinterpret_cast<sockaddr*>(from.address), &from.size);
}

void LoopbackSocket::SendTo(const void* data, std::size_t size, const DatagramSender& to) const {
  ::sendto(Native(handle_), static_cast<const char*>(data), Clamp(size), 0,
           reinterpret_cast<const sockaddr*>(to.address), to.size);
}

void LoopbackSocket::ResetOnClose() const {
  const linger reset{1, 0};
  ::setsockopt(Native(handle_), SOL_SOCKET, SO_LINGER, reinterpret_cast<const char*>(&reset), sizeof reset);
}

}  // namespace sorvane::testing
