#include <arpa/inet.h>
#include <netinet/in.h>
#include <sys/socket.h>
#include <unistd.h>

#include <stdexcept>

#include "LoopbackSocket.h"

namespace sorvane::testing {
namespace {

int Fd(std::uintptr_t handle) { return static_cast<int>(handle); }

}  // namespace

LoopbackSocket::LoopbackSocket(Kind kind, int backlog) {
  const int fd = ::socket(AF_INET, (kind == Kind::Listener ? SOCK_STREAM : SOCK_DGRAM) | SOCK_CLOEXEC, 0);
  if (fd < 0) throw std::runtime_error("test peer: no socket");
  handle_ = static_cast<std::uintptr_t>(fd);
  valid_ = true;
  sockaddr_in address{};
  address.sin_family = AF_INET;
  address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
  socklen_t size = sizeof address;
  if (::bind(fd, reinterpret_cast<sockaddr*>(&address), size) != 0 ||
      (kind == Kind::Listener && ::listen(fd, backlog) != 0) ||
      ::getsockname(fd, reinterpret_cast<sockaddr*>(&address), &size) != 0)
    throw std::runtime_error("test peer: cannot bind 127.0.0.1");
  port_ = ntohs(address.sin_port);
}

LoopbackSocket LoopbackSocket::ConnectTo(int port) {
  LoopbackSocket connection;
  const int fd = ::socket(AF_INET, SOCK_STREAM | SOCK_CLOEXEC, 0);
  if (fd < 0) return connection;
  connection.handle_ = static_cast<std::uintptr_t>(fd);
  connection.valid_ = true;
  sockaddr_in address{};
  address.sin_family = AF_INET;
  address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
  address.sin_port = htons(static_cast<std::uint16_t>(port));
  if (::connect(fd, reinterpret_cast<sockaddr*>(&address), sizeof address) != 0) connection.Close();
  return connection;
}

void LoopbackSocket::Close() {
  if (valid_) ::close(Fd(handle_));
  valid_ = false;
}

LoopbackSocket LoopbackSocket::Accept() const {
  LoopbackSocket accepted;
  const int fd = ::accept4(Fd(handle_), nullptr, nullptr, SOCK_CLOEXEC);
  if (fd >= 0) {
    accepted.handle_ = static_cast<std::uintptr_t>(fd);
    accepted.valid_ = true;
  }
  return accepted;
}

long LoopbackSocket::Receive(void* buffer, std::size_t size) const { return ::recv(Fd(handle_), buffer, size, 0); }

long LoopbackSocket::Send(const void* data, std::size_t size) const {
  return ::send(Fd(handle_), data, size, MSG_NOSIGNAL);
}

long LoopbackSocket::ReceiveFrom(void* buffer, std::size_t size, DatagramSender& from) const {
  socklen_t fromSize = sizeof from.address;
  const long got = ::recvfrom(Fd(handle_), buffer, size, 0, reinterpret_cast<sockaddr*>(from.address), &fromSize);
  from.size = static_cast<int>(fromSize);
  return got;
}

void LoopbackSocket::SendTo(const void* data, std::size_t size, const DatagramSender& to) const {
  ::sendto(Fd(handle_), data, size, 0, reinterpret_cast<const sockaddr*>(to.address),
           static_cast<socklen_t>(to.size));
}

void LoopbackSocket::ResetOnClose() const {
  const linger reset{1, 0};
  ::setsockopt(Fd(handle_), SOL_SOCKET, SO_LINGER, &reset, sizeof reset);
}

}  // namespace sorvane::testing
