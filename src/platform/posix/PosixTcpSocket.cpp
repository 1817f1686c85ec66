#include "platform/posix/PosixTcpSocket.h"

#include <arpa/inet.h>
#include <cerrno>
#include <cstring>
#include <memory>
#include <netinet/in.h>
#include <netinet/tcp.h>
#include <poll.h>
#include <sys/socket.h>
#include <unistd.h>

#include "platform/SocketErrors.h"
#include "platform/posix/WinsockErrors.h"

namespace sorvane {

std::unique_ptr<TcpSocket> PosixTcpSocket::Create(int& error) {
  const int fd = ::socket(AF_INET, SOCK_STREAM | SOCK_NONBLOCK | SOCK_CLOEXEC, 0);
  if (fd < 0) {
    error = WinsockErrorFromErrno(errno);
    return nullptr;
  }
  error = 0;
  return std::make_unique<PosixTcpSocket>(fd);
}

PosixTcpSocket::~PosixTcpSocket() { CloseReset(); }

int PosixTcpSocket::StartConnect(const Ipv4Address& address, std::uint16_t port) {
  if (fd_ < 0) return WinsockErrorFromErrno(EBADF);
  sockaddr_in peer{};
  peer.sin_family = AF_INET;
  peer.sin_port = htons(port);
  std::memcpy(&peer.sin_addr, address.bytes.data(), 4);
  if (::connect(fd_, reinterpret_cast<const sockaddr*>(&peer), sizeof peer) == 0) {
    connected_ = true;
    return 0;
  }
  if (errno == EINPROGRESS || errno == EINTR) return wsa::kWouldBlock;
  return WinsockErrorFromErrno(errno);
}

int PosixTcpSocket::AwaitConnect(int waitMs) {
  if (connected_) return 0;
  if (fd_ < 0) return WinsockErrorFromErrno(EBADF);
  pollfd p{fd_, POLLOUT, 0};
  const int ready = ::poll(&p, 1, waitMs);
  if (ready == 0 || (ready < 0 && errno == EINTR)) return wsa::kWouldBlock;
  if (ready < 0) return WinsockErrorFromErrno(errno);
  int failure = 0;
  socklen_t size = sizeof failure;
  if (::getsockopt(fd_, SOL_SOCKET, SO_ERROR, &failure, &size) != 0) failure = errno;
  if (failure != 0) return WinsockErrorFromErrno(failure);
  connected_ = true;
  // The request goes out in one piece; there is nothing to gain from
  // holding back small segments.
  const int on = 1;
  ::setsockopt(fd_, IPPROTO_TCP, TCP_NODELAY, &on, sizeof on);
  return 0;
}

IoResult PosixTcpSocket::Send(const void* data, std::size_t count) {
  if (fd_ < 0) return {0, WinsockErrorFromErrno(EBADF)};
  // MSG_NOSIGNAL: a peer that has gone must give an error, not end the
  // program with SIGPIPE.
  const ssize_t sent = ::send(fd_, data, count, MSG_NOSIGNAL);
  if (sent >= 0) return {static_cast<std::size_t>(sent), 0};
  if (errno == EINTR) return {0, wsa::kWouldBlock};
  return {0, WinsockErrorFromErrno(errno)};
}

IoResult PosixTcpSocket::Receive(void* buffer, std::size_t count) {
  if (fd_ < 0) return {0, WinsockErrorFromErrno(EBADF)};
  const ssize_t got = ::recv(fd_, buffer, count, 0);
  if (got >= 0) return {static_cast<std::size_t>(got), 0};
  if (errno == EINTR) return {0, wsa::kWouldBlock};
  return {0, WinsockErrorFromErrno(errno)};
}

void PosixTcpSocket::Await(short events, int waitMs) {
  if (fd_ < 0) return;
  pollfd p{fd_, events, 0};
  ::poll(&p, 1, waitMs);  // a signal or an error shows in the next call
}

void PosixTcpSocket::AwaitReadable(int waitMs) { Await(POLLIN, waitMs); }

void PosixTcpSocket::AwaitWritable(int waitMs) { Await(POLLOUT, waitMs); }

void PosixTcpSocket::CloseReset() {
  if (fd_ < 0) return;
  // Linger on with time 0: close drops the connection with a reset at once
  // instead of lingering in the closing states.
  const linger reset{1, 0};
  ::setsockopt(fd_, SOL_SOCKET, SO_LINGER, &reset, sizeof reset);
  ::close(fd_);
  fd_ = -1;
  connected_ = false;
}

}  // namespace sorvane
