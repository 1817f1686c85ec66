#pragma once

#include <array>
#include <atomic>
#include <cstdint>
#include <string>
#include <thread>

#include "LoopbackSocket.h"

namespace sorvane::testing {

// A name server on 127.0.0.1 (UDP, a port of the system's choice) that
// answers every query the same way, so that lookups in tests never leave
// the machine. Stops in its destructor, or by itself after 30 s.
class FakeDnsServer {
 public:
  enum class Mode {
    NoSuchName,  // every name is unknown (NXDOMAIN)
    Silent,      // queries are read and never answered
    Answer,      // every name has the address given
  };

  explicit FakeDnsServer(Mode mode, std::array<std::uint8_t, 4> address = {127, 0, 0, 1});
  ~FakeDnsServer();
  FakeDnsServer(const FakeDnsServer&) = delete;
  FakeDnsServer& operator=(const FakeDnsServer&) = delete;

  // "127.0.0.1:<port>", for the lookup options.
  std::string Servers() const { return "127.0.0.1:" + std::to_string(port_); }
  int Queries() const { return queries_; }

 private:
  void Run();

  Mode mode_;
  std::array<std::uint8_t, 4> address_;
  LoopbackSocket socket_;
  int port_ = 0;
  std::atomic<bool> stop_{false};
  std::atomic<int> queries_{0};
  std::thread thread_;
};

}  // namespace sorvane::testing
