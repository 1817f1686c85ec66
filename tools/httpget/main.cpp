// httpget [--timeout MS] URL FILE
//
// Performs one Get with the HTTP client (body to FILE) and prints each event
// as it fires, then the counters, then the error if Get raised. Exit status
// 0 when Get returned, 1 when it raised, 2 for a wrong command line.

#include <cstdio>
#include <cstdlib>
#include <exception>
#include <string>
#include <string_view>

#include "net/HttpClient.h"
#include "platform/MessagePump.h"
#include "platform/posix/PosixFileSystem.h"
#include "platform/posix/PosixNetwork.h"
#include "platform/SteadyClock.h"

namespace {

constexpr char kUsage[] =
    "usage: httpget [--timeout MS] URL FILE\n"
    "  Gets URL over HTTP/1.0 and writes the answer's body to FILE.\n"
    "  --timeout MS  longest wait of each phase in milliseconds (default 10000, 0: none)\n";

bool ParseTimeout(std::string_view text, int& value) {
  if (text.empty() || text.size() > 9) return false;
  value = 0;
  for (char c : text) {
    if (c < '0' || c > '9') return false;
    value = value * 10 + (c - '0');
  }
  return true;
}

void Print(const char* event) { std::printf("Event: %s\n", event); }

void HookEvents(sorvane::THttpClient& http) {
  using sorvane::HttpCommand;
  using sorvane::TSocketClient;
  http.OnBeforeSend = [](TSocketClient&) { Print("OnBeforeSend"); };
  http.OnHostResolved = [](TSocketClient&) { Print("OnHostResolved"); };
  http.OnHostNotFound = [](TSocketClient&, bool&) { Print("OnHostNotFound"); };
  http.OnConnect = [](TSocketClient&) { Print("OnConnect"); };
  http.OnConnectionFailed = [](TSocketClient&) { Print("OnConnectionFailed"); };
  http.OnDisconnect = [](TSocketClient&) { Print("OnDisconnect"); };
  http.OnBlockReceived = [](TSocketClient&) { Print("OnBlockReceived"); };
  http.OnBlockSent = [](TSocketClient&) { Print("OnBlockSent"); };
  http.OnRedirect = [](TSocketClient&, bool&) { Print("OnRedirect"); };
  http.OnAuthenticationNeeded = [](TSocketClient&) { Print("OnAuthenticationNeeded"); };
  http.OnSuccess = [](TSocketClient&, HttpCommand command) {
    std::printf("Event: OnSuccess %d\n", static_cast<int>(command));
  };
  http.OnFailure = [](TSocketClient&, HttpCommand command) {
    std::printf("Event: OnFailure %d\n", static_cast<int>(command));
  };
}

}  // namespace

int main(int argc, char** argv) {
  int timeout = 10000;
  int next = 1;
  if (argc > 1 && (std::string_view(argv[1]) == "--help" || std::string_view(argv[1]) == "-h")) {
    std::fputs(kUsage, stdout);
    return 0;
  }
  if (argc > 2 && std::string_view(argv[1]) == "--timeout") {
    if (!ParseTimeout(argv[2], timeout)) {
      std::fputs(kUsage, stderr);
      return 2;
    }
    next = 3;
  }
  if (argc - next != 2) {
    std::fputs(kUsage, stderr);
    return 2;
  }

  int status = 0;
  try {
    sorvane::PosixNetwork network;
    sorvane::SteadyClock clock;
    sorvane::NoMessagePump pump;
    sorvane::PosixFileSystem files;
    sorvane::THttpClient http({network, clock, pump, files});
    http.BodyToFile = true;
    http.Body = argv[next + 1];
    http.TimeOut = timeout;
    HookEvents(http);
    try {
      http.Get(argv[next]);
    } catch (const std::exception& e) {
      std::printf("StatusCode: %d\nExpectedBytes: %lld\nReceivedBytes: %lld\nError: %s\n",
                  http.StatusCode(), static_cast<long long>(http.ExpectedBytes()),
                  static_cast<long long>(http.ReceivedBytes()), e.what());
      return 1;
    }
    std::printf("StatusCode: %d\nExpectedBytes: %lld\nReceivedBytes: %lld\n", http.StatusCode(),
                static_cast<long long>(http.ExpectedBytes()),
                static_cast<long long>(http.ReceivedBytes()));
  } catch (const std::exception& e) {  // the socket layer could not be started
    std::printf("Error: %s\n", e.what());
    status = 1;
  }
  return status;
}
