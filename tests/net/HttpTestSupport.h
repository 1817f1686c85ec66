#pragma once

#include <chrono>
#include <filesystem>
#include <functional>
#include <string>
#include <vector>

#include "net/HttpClient.h"
#include "platform/MessagePump.h"

namespace sorvane::testing {

// A folder of its own under the system's temporary folder, removed with
// everything in it when the object goes.
class ScratchFolder {
 public:
  ScratchFolder();
  ~ScratchFolder();
  ScratchFolder(const ScratchFolder&) = delete;
  ScratchFolder& operator=(const ScratchFolder&) = delete;
  std::string File(const std::string& name) const { return (path_ / name).string(); }

 private:
  std::filesystem::path path_;
};

// Milliseconds since a moment of the steady clock.
inline long ElapsedMs(std::chrono::steady_clock::time_point since) {
  return static_cast<long>(std::chrono::duration_cast<std::chrono::milliseconds>(
                               std::chrono::steady_clock::now() - since)
                               .count());
}

// The whole contents of a file; empty when it does not exist.
std::string ReadWholeFile(const std::string& path);

// Counts its turns and runs a test's action on each.
class CountingPump : public MessagePump {
 public:
  void ProcessMessages() override {
    ++turns;
    if (onTurn) onTurn();
  }
  int turns = 0;
  std::function<void()> onTurn;
};

// Records the names of the events a client fires, in order ("OnSuccess 0"
// with the command code). Handlers that tests set afterwards replace the
// recording for that event.
std::vector<std::string>& RecordEvents(THttpClient& http, std::vector<std::string>& log);

}  // namespace sorvane::testing

#include <gtest/gtest.h>

#include "SystemNetServices.h"
#include "platform/SteadyClock.h"

namespace sorvane::testing {

// A client over the real sockets (its lookups asking the name servers of
// options) that writes the body to a scratch file and records its events.
struct HttpClientRig {
  explicit HttpClientRig(LookupOptions options = {}) : network(std::move(options)) {
    http.BodyToFile = true;
    http.Body = folder.File("body");
    RecordEvents(http, events);
  }
  std::string BodyFile() const { return ReadWholeFile(http.Body); }

  SystemNetwork network;
  SteadyClock clock;
  CountingPump pump;
  SystemFileSystem files;
  THttpClient http{{network, clock, pump, files}};
  ScratchFolder folder;
  std::vector<std::string> events;
};

class HttpClientFixture : public ::testing::Test, protected HttpClientRig {};

}  // namespace sorvane::testing
