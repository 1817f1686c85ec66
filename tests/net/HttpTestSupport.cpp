#include "HttpTestSupport.h"

#include <fstream>
#include <iterator>
#include <random>
#include <stdexcept>

namespace sorvane::testing {

ScratchFolder::ScratchFolder() {
  // A fresh name: create_directory tells whether this call made the folder.
  std::random_device random;
  for (int attempt = 0; attempt < 100; ++attempt) {
    path_ = std::filesystem::temp_directory_path() / ("sorvane-net-" + std::to_string(random()));
    std::error_code error;
    if (std::filesystem::create_directory(path_, error)) return;
  }
  throw std::runtime_error("cannot make a scratch folder");
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
