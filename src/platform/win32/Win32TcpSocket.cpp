#include "platform/win32/Win32TcpSocket.h"

#include <winsock2.h>
#include <ws2tcpip.h>

#include <climits>
#include <cstring>

#include "platform/SocketErrors.h"
#include "platform/SocketPoll.h"

namespace sorvane {
namespace {

SOCKET Native(std::uintptr_t socket) { return static_cast<SOCKET>(socket); }

// The socket calls take and return int counts.
int Clamp(std::size_t count) { return count > INT_MAX ? INT_MAX : static_cast<int>(count); }

}  // namespace

std::unique_ptr<TcpSocket> Win32TcpSocket::Create(int& error) {
  const SOCKET socket = ::socket(AF_INET, SOCK_STREAM, IPPROTO_TCP);
  if (socket == INVALID_SOCKET) {
    error = ::WSAGetLastError();
    return nullptr;
  }
  u_long nonBlocking = 1;
  if (::ioctlsocket(socket, FIONBIO, &nonBlocking) != 0) {
    error = ::WSAGetLastError();
    ::closesocket(socket);
    return nullptr;
  }
  // The update script started at program end must not inherit the socket
  // (and keep a connection of the ended program open).
  ::SetHandleInformation(reinterpret_cast<HANDLE>(socket), HANDLE_FLAG_INHERIT, 0);
  error = 0;
  return std::make_unique<Win32TcpSocket>(static_cast<std::uintptr_t>(socket));
}

Win32TcpSocket::~Win32TcpSocket() { CloseReset(); }

bool Win32TcpSocket::Open() const { return Native(socket_) != INVALID_SOCKET; }

int Win32TcpSocket::StartConnect(const Ipv4Address& address, std::uint16_t port) {
  if (!Open()) return WSAENOTSOCK;
  sockaddr_in peer{};
  peer.sin_family = AF_INET;
  peer.sin_port = ::htons(port);
  std::memcpy(&peer.sin_addr, address.bytes.data(), 4);
  if (::connect(Native(socket_), reinterpret_cast<const sockaddr*>(&peer), sizeof peer) == 0) {
    connected_ = true;
    return 0;
  }
  // A non-blocking connect under way says "would block" here, where POSIX
  // says "in progress".
  const int error = ::WSAGetLastError();
  if (error == WSAEWOULDBLOCK || error == WSAEINPROGRESS || error == WSAEINTR) return wsa::kWouldBlock;
  return error;
}

int Win32TcpSocket::AwaitConnect(int waitMs) {
  if (connected_) return 0;
  if (!Open()) return WSAENOTSOCK;
  SocketWait wait{socket_, false, true};
  PollSockets(&wait, 1, waitMs);
  if (!wait.readable && !wait.writable) return wsa::kWouldBlock;
  int failure = 0;
  int size = sizeof failure;
  if (::getsockopt(Native(socket_), SOL_SOCKET, SO_ERROR, reinterpret_cast<char*>(&failure), &size) != 0)
    failure = ::WSAGetLastError();
  // A failed connect shows as an exception on the socket; should the
  // reason be lost, it still failed.
  if (failure == 0 && !wait.writable) failure = WSAECONNREFUSED;
  if (failure != 0) return failure;
  connected_ = true;
  // The request goes out in one piece; there is nothing to gain from
  // holding back small segments.
  const BOOL on = TRUE;
  ::setsockopt(Native(socket_), IPPROTO_TCP, TCP_NODELAY, reinterpret_cast<const char*>(&on), sizeof on);
  return 0;
}

IoResult Win32TcpSocket::Send(const void* data, std::size_t count) {
  if (!Open()) return {0, WSAENOTSOCK};
  const int sent = ::send(Native(socket_), static_cast<const char*>(data), Clamp(count), 0);
  if (sent != SOCKET_ERROR) return {static_cast<std::size_t>(sent), 0};
  const int error = ::WSAGetLastError();
  return {0, error == WSAEINTR ? wsa::kWouldBlock : error};
}

IoResult Win32TcpSocket::Receive(void* buffer, std::size_t count) {
  if (!Open()) return {0, WSAENOTSOCK};
  const int got = ::recv(Native(socket_), static_cast<char*>(buffer), Clamp(count), 0);
  if (got != SOCKET_ERROR) return {static_cast<std::size_t>(got), 0};
  const int error = ::WSAGetLastError();
  return {0, error == WSAEINTR ? wsa::kWouldBlock : error};
}

void Win32TcpSocket::AwaitReadable(int waitMs) {
  if (!Open()) return;
  SocketWait wait{socket_, true, false};
  PollSockets(&wait, 1, waitMs);  // an error shows in the next call
}

void Win32TcpSocket::AwaitWritable(int waitMs) {
  if (!Open()) return;
  SocketWait wait{socket_, false, true};
  PollSockets(&wait, 1, waitMs);
}

void Win32TcpSocket::CloseReset() {
  if (!Open()) return;
  // Linger on with time 0: closesocket drops the connection with a reset
  // at once instead of lingering in the closing states.
  const linger reset{1, 0};
  ::setsockopt(Native(socket_), SOL_SOCKET, SO_LINGER, reinterpret_cast<const char*>(&reset), sizeof reset);
  ::closesocket(Native(socket_));
  socket_ = static_cast<std::uintptr_t>(INVALID_SOCKET);
  connected_ = false;
}

}  // namespace sorvane
