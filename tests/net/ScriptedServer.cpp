#include "ScriptedServer.h"

#include <algorithm>
#include <chrono>

namespace sorvane::testing {
namespace {

using Clock = std::chrono::steady_clock;

}  // namespace

ScriptPeer::ScriptPeer(const LoopbackSocket& socket, ScriptedServer& server) : socket_(socket), server_(server) {}

std::string ScriptPeer::ReadRequest() {
  std::string request;
  const auto deadline = Clock::now() + std::chrono::seconds(5);
  while (request.find("\r\n\r\n") == std::string::npos && !server_.stop_ && Clock::now() < deadline) {
    if (!socket_.AwaitReadable(20)) continue;
    char buffer[4096];
    const long got = socket_.Receive(buffer, sizeof buffer);
    if (got <= 0) break;
    request.append(buffer, static_cast<std::size_t>(got));
  }
  std::lock_guard lock(server_.mutex_);
  server_.requests_.push_back(request);
  return request;
}

void ScriptPeer::Send(std::string_view bytes) {
  while (!bytes.empty() && !server_.stop_) {
    if (!socket_.AwaitWritable(20)) continue;
    const long sent = socket_.Send(bytes.data(), bytes.size());
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
    if (!socket_.AwaitReadable(20)) continue;
    char buffer[4096];
    if (socket_.Receive(buffer, sizeof buffer) <= 0) return true;
  }
  return false;
}

void ScriptPeer::Reset() { socket_.ResetOnClose(); }

ScriptedServer::ScriptedServer(std::vector<Script> scripts, int maxConnections)
    : listener_(LoopbackSocket::Kind::Listener), port_(listener_.Port()) {
  thread_ = std::thread(&ScriptedServer::Run, this, std::move(scripts), maxConnections);
}

ScriptedServer::~ScriptedServer() {
  stop_ = true;
  thread_.join();
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
    if (!listener_.AwaitReadable(20)) continue;
    const LoopbackSocket socket = listener_.Accept();
    if (!socket.Valid()) continue;
    const std::size_t index = std::min<std::size_t>(static_cast<std::size_t>(connections_),
                                                    scripts.size() - 1);
    ++connections_;
    ScriptPeer peer(socket, *this);
    if (!scripts.empty()) scripts[index](peer);
  }
}

ScriptedServer::Script Respond(std::string answer) {
  return [answer = std::move(answer)](ScriptPeer& peer) {
    peer.ReadRequest();
    peer.Send(answer);
  };
}

int UnusedPort() { return LoopbackSocket(LoopbackSocket::Kind::Listener).Port(); }

}  // namespace sorvane::testing
