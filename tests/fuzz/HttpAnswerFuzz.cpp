// Fuzz entry: the HTTP client reads answers from a scripted network. The
// first byte picks block size and network behaviour; the rest holds the
// answers of successive connections, separated by "\n--next--\n", so status
// lines, header lines, redirections to the addresses the answers name, and
// bodies all come from the input. Every failure must be one of the program's
// errors; a completed exchange has stored exactly the bytes it counted; and
// no request the client sends carries a line break inside a line, whatever
// the answers put into locations and cookies.

#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>
#include <vector>

#include "ScriptedNetwork.h"
#include "fakes/FakeClock.h"
#include "fakes/FakeFileSystem.h"
#include "net/HttpClient.h"
#include "platform/Errors.h"
#include "platform/MessagePump.h"

namespace {

using namespace sorvane;

constexpr std::string_view kSeparator = "\n--next--\n";
constexpr std::size_t kBlockSizes[] = {1, 2, 5, 16, 300, 4096, 65536, 100000};

std::vector<std::string> SplitAnswers(std::string_view bytes) {
  std::vector<std::string> answers;
  for (;;) {
    const std::size_t at = bytes.find(kSeparator);
    answers.emplace_back(bytes.substr(0, at));
    if (at == std::string_view::npos) return answers;
    bytes.remove_prefix(at + kSeparator.size());
  }
}

// A request is lines ended by CR LF and one empty line at its end, nothing
// else: no CR or LF inside a line, nor any other control character.
void CheckRequest(const std::string& request) {
  if (request.empty()) return;  // the connection failed before sending
  if (request.size() < 4 || request.compare(request.size() - 4, 4, "\r\n\r\n") != 0) std::abort();
  if (request.rfind("GET ", 0) != 0) std::abort();
  for (std::size_t i = 0; i + 4 < request.size(); ++i) {
    const auto c = static_cast<unsigned char>(request[i]);
    if (c == '\r' && request[i + 1] == '\n') {
      ++i;
      if (request[i + 1] == '\r') std::abort();  // an empty line before the end
      continue;
    }
    if (c < 32 || c == 127) std::abort();
  }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  if (size < 1) return 0;
  const std::uint8_t control = data[0];
  fuzz::ScriptedNetwork::Options options;
  options.blockSize = kBlockSizes[control & 7];
  options.wouldBlockBeforeBlocks = control & 8;
  options.connectLater = control & 16;
  options.endWithReset = control & 32;
  fuzz::ScriptedNetwork network(SplitAnswers({reinterpret_cast<const char*>(data) + 1, size - 1}), options);
  FakeClock clock;
  NoMessagePump pump;
  FakeFileSystem files;

  bool returned = false;
  {
    THttpClient http({network, clock, pump, files});
    http.Host = "updates.example.org";
    http.Port = 21;
    http.TimeOut = 10000;
    http.BodyToFile = !(control & 128);
    http.Body = http.BodyToFile ? "/tmp/body" : "";
    std::int64_t received = 0;
    int blocks = 0;
    http.OnBeforeSend = [&](TSocketClient&) { received = 0; };  // each pass counts afresh
    http.OnBlockReceived = [&](TSocketClient&) {
      if (http.ReceivedBytes() <= received) std::abort();
      received = http.ReceivedBytes();
      if ((control & 64) && ++blocks == 2) http.Abort();
    };
    try {
      http.Get("http://updates.example.org/Updates.ini");
      returned = true;
    } catch (const Exception&) {
    }
    if (returned) {
      const std::int64_t stored = http.BodyToFile ? static_cast<std::int64_t>(files.FileBytes("/tmp/body").size())
                                                  : static_cast<std::int64_t>(http.Body.size());
      if (stored != http.ReceivedBytes()) std::abort();
      if (http.StatusCode() >= 300 && http.StatusCode() <= 302) std::abort();  // would have been followed
    }
  }
  if (network.Sent().size() > static_cast<std::size_t>(THttpClient::kMaxPasses)) std::abort();
  for (const std::string& request : network.Sent()) CheckRequest(request);
  return 0;
}
