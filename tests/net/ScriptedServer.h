#pragma once

#include <atomic>
#include <functional>
#include <mutex>
#include <string>
#include <string_view>
#include <thread>
#include <vector>

#include "LoopbackSocket.h"

namespace sorvane::testing {

// One accepted connection as a script sees it. Every wait is bounded and
// ends early when the server stops.
class ScriptedServer;

class ScriptPeer {
 public:
  ScriptPeer(const LoopbackSocket& socket, ScriptedServer& server);

  // Reads up to the empty line that ends a request (at most 5 s) and
  // returns what arrived.
  std::string ReadRequest();
  // Sends all of bytes; a peer that has gone is ignored.
  void Send(std::string_view bytes);
  void Pause(int ms);
  // Waits until the client has closed or reset the connection, at most ms.
  bool AwaitClientClose(int ms);
  // Makes the close after the script a reset instead of an orderly close.
  void Reset();

 private:
  const LoopbackSocket& socket_;
  ScriptedServer& server_;
};

// A TCP server on 127.0.0.1 at a port of the system's choice that runs a
// script for each connection on a thread of its own: the i-th script for
// the i-th connection, the last one for all later ones. It accepts at most
// maxConnections connections, gives up after 30 s, and stops in its
// destructor. After a script the connection is closed in order (unless the
// script reset it).
class ScriptedServer {
 public:
  using Script = std::function<void(ScriptPeer&)>;

  explicit ScriptedServer(std::vector<Script> scripts, int maxConnections = 8);
  ~ScriptedServer();
  ScriptedServer(const ScriptedServer&) = delete;
  ScriptedServer& operator=(const ScriptedServer&) = delete;

  int Port() const { return port_; }
  // "http://127.0.0.1:<port>" followed by path.
  std::string Url(std::string_view path) const;
  int Connections() const { return connections_; }
  // The requests read by the scripts, in order.
  std::vector<std::string> Requests() const;

 private:
  friend class ScriptPeer;
  void Run(std::vector<Script> scripts, int maxConnections);

  LoopbackSocket listener_;
  int port_ = 0;
  std::atomic<bool> stop_{false};
  std::atomic<int> connections_{0};
  mutable std::mutex mutex_;
  std::vector<std::string> requests_;
  std::thread thread_;
};

// A script that reads the request and sends answer.
ScriptedServer::Script Respond(std::string answer);

// A loopback port on which nothing listens (taken from the system and
// released again).
int UnusedPort();

}  // namespace sorvane::testing
