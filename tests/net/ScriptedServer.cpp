#include "ScriptedServer.h"

#include <arpa/inet.h>
#include <chrono>
#include <netinet/in.h>
#include <poll.h>
#include <stdexcept>
#include <sys/socket.h>
#include <unistd.h>

namespace sorvane::testing {
namespace {

using Clock = std::chrono::steady_clock;

int Listen(int& port) {
  const int fd = ::socket(AF_INET, SOCK_STREAM | SOCK_CLOEXEC, 0);
  sockaddr_in address{};
  address.sin_family = AF_INET;
  address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
  socklen_t size = sizeof address;
  if (fd < 0 || ::bind(fd, reinterpret_cast<sockaddr*>(&address), size) != 0 ||
      ::listen(fd, 16) != 0 || ::getsockname(fd, reinterpret_cast<sockaddr*>(&address), &size) != 0)
    throw std::runtime_error("test server: cannot listen on 127.0.0.1");
  port = ntohs(address.sin_port);
  return fd;
}

}  // namespace

ScriptPeer::ScriptPeer(int fd, ScriptedServer& server) : fd_(fd), server_(server) {}

std::string ScriptPeer::ReadRequest() {
  std::string request;
  const auto deadline = Clock::now() + std::chrono::seconds(5);
  while (request.find("\r\n\r\n") == std::string::npos && !server_.stop_ && Clock::now() < deadline) {
    pollfd p{fd_, POLLIN, 0};
    if (::poll(&p, 1, 20) <= 0) continue;
    char buffer[4096];
    const ssize_t got = ::recv(fd_, buffer, sizeof buffer, 0);
    if (got <= 0) break;
    request.append(buffer, static_cast<std::size_t>(got));
  }
  std::lock_guard lock(server_.mutex_);
  server_.requests_.push_back(request);
  return request;
}

void ScriptPeer::Send(std::string_view bytes) {
  while (!bytes.empty() && !server_.stop_) {
    pollfd p{fd_, POLLOUT, 0};
    if (::poll(&p, 1, 20) <= 0) continue;
    const ssize_t sent = ::send(fd_, bytes.data(), bytes.size(), MSG_NOSIGNAL);
    if (sent <= 0) return;
    bytes.remove_prefix(static_cast<std::size_t>(sent));
  }
}

void ScriptPeer::Pause(int ms) {
  const auto until = Clock::now() + std::chrono::milliseconds(ms);
  while (!server_.stop_ && Clock::now() < until) std::this_thread::sleep_for(std::chrono::milliseconds(2));
}

bool ScriptPeer::AwaitClientClose(int ms) {
  const auto until = Clock::now() + std::chrono::milliseconds(ms);
  while (!server_.stop_ && Clock::now() < until) {
    pollfd p{fd_, POLLIN, 0};
    if (::poll(&p, 1, 20) <= 0) continue;
    char buffer[4096];
    if (::recv(fd_, buffer, sizeof buffer, 0) <= 0) return true;
  }
  return false;
}

void ScriptPeer::Reset() {
  const linger reset{1, 0};
  ::setsockopt(fd_, SOL_SOCKET, SO_LINGER, &reset, sizeof reset);
}

ScriptedServer::ScriptedServer(std::vector<Script> scripts, int maxConnections) {
  listener_ = Listen(port_);
  thread_ = std::thread(&ScriptedServer::Run, this, std::move(scripts), maxConnections);
}

ScriptedServer::~ScriptedServer() {
  stop_ = true;
  thread_.join();
  ::close(listener_);
}

std::string ScriptedServer::Url(std::string_view path) const {
  return "http://127.0.0.1:" + std::to_string(port_) + std::string(path);
}

std::vector<std::string> ScriptedServer::Requests() const {
  std::lock_guard lock(mutex_);
  return requests_;
}

void ScriptedServer::Run(std::vector<Script> scripts, int maxConnections) {
  const auto deadline = Clock::now() + std::chrono::seconds(30);
  while (!stop_ && connections_ < maxConnections && Clock::now() < deadline) {
    pollfd p{listener_, POLLIN, 0};
    if (::poll(&p, 1, 20) <= 0) continue;
    const int fd = ::accept4(listener_, nullptr, nullptr, SOCK_CLOEXEC);
    if (fd < 0) continue;
    const std::size_t index = std::min<std::size_t>(static_cast<std::size_t>(connections_),
                                                    scripts.size() - 1);
    ++connections_;
    ScriptPeer peer(fd, *this);
    if (!scripts.empty()) scripts[index](peer);
    ::close(fd);
  }
}

ScriptedServer::Script Respond(std::string answer) {
  return [answer = std::move(answer)](ScriptPeer& peer) {
    peer.ReadRequest();
    peer.Send(answer);
  };
}

int UnusedPort() {
  int port = 0;
  const int fd = Listen(port);
  ::close(fd);
  return port;
}

}  // namespace sorvane::testing
