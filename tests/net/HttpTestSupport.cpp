#include "HttpTestSupport.h"

#include <cstdlib>
#include <fstream>
#include <iterator>
#include <stdexcept>

namespace sorvane::testing {

ScratchFolder::ScratchFolder() {
  std::string pattern = (std::filesystem::temp_directory_path() / "sorvane-net-XXXXXX").string();
  if (::mkdtemp(pattern.data()) == nullptr) throw std::runtime_error("cannot make a scratch folder");
  path_ = pattern;
}

ScratchFolder::~ScratchFolder() {
  std::error_code ignored;
  std::filesystem::remove_all(path_, ignored);
}

std::string ReadWholeFile(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

std::vector<std::string>& RecordEvents(THttpClient& http, std::vector<std::string>& log) {
  auto note = [&log](const char* name) {
    return [&log, name](TSocketClient&) { log.push_back(name); };
  };
  auto noteHandled = [&log](const char* name) {
    return [&log, name](TSocketClient&, bool&) { log.push_back(name); };
  };
  auto noteCommand = [&log](const char* name) {
    return [&log, name](TSocketClient&, HttpCommand command) {
      log.push_back(std::string(name) + " " + std::to_string(static_cast<int>(command)));
    };
  };
  http.OnBeforeSend = note("OnBeforeSend");
  http.OnHostResolved = note("OnHostResolved");
  http.OnHostNotFound = noteHandled("OnHostNotFound");
  http.OnConnect = note("OnConnect");
  http.OnConnectionFailed = note("OnConnectionFailed");
  http.OnDisconnect = note("OnDisconnect");
  http.OnBlockReceived = note("OnBlockReceived");
  http.OnRedirect = noteHandled("OnRedirect");
  http.OnAuthenticationNeeded = note("OnAuthenticationNeeded");
  http.OnSuccess = noteCommand("OnSuccess");
  http.OnFailure = noteCommand("OnFailure");
  return log;
}

}  // namespace sorvane::testing
