#include "NginxServer.h"

#include <arpa/inet.h>
#include <cerrno>
#include <chrono>
#include <csignal>
#include <cstdio>
#include <cstring>
#include <fcntl.h>
#include <fstream>
#include <netinet/in.h>
#include <stdexcept>
#include <sys/prctl.h>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <thread>
#include <unistd.h>
#include <vector>

#include "ScriptedServer.h"

namespace sorvane::testing {
namespace {

bool Accepts(int port) {
  const int fd = ::socket(AF_INET, SOCK_STREAM | SOCK_CLOEXEC, 0);
  sockaddr_in address{};
  address.sin_family = AF_INET;
  address.sin_port = htons(static_cast<std::uint16_t>(port));
  address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
  const bool ok = ::connect(fd, reinterpret_cast<sockaddr*>(&address), sizeof address) == 0;
  ::close(fd);
  return ok;
}

std::string Configuration(const std::string& root, const std::string& work, int port) {
  std::string c;
  c += "daemon off;\nmaster_process off;\nworker_processes 1;\n";
  // Only root may name a user; it keeps nginx as root then, so the scratch
  // folders (mode 0700) stay readable.
  if (::geteuid() == 0) c += "user root;\n";
  c += "pid " + work + "/nginx.pid;\nerror_log " + work + "/error.log warn;\n";
  c += "events { worker_connections 64; }\nhttp {\n  access_log off;\n";
  for (const char* kind : {"client_body", "proxy", "fastcgi", "uwsgi", "scgi"})
    c += std::string("  ") + kind + "_temp_path " + work + "/tmp/" + kind + ";\n";
  c += "  sendfile on;\n  default_type application/octet-stream;\n";
  c += "  server {\n    listen 127.0.0.1:" + std::to_string(port) + ";\n    root " + root + ";\n  }\n}\n";
  return c;
}

}  // namespace

bool NginxServer::Installed() { return ::access(kProgram, X_OK) == 0; }

NginxServer::NginxServer(const std::string& root, const std::string& workFolder) {
  ::mkdir((workFolder + "/tmp").c_str(), 0700);
  // The port is free when chosen but may be taken before nginx binds it.
  for (int attempt = 0; attempt < 3; ++attempt)
    if (TryStart(root, workFolder)) return;
  std::ifstream log(workFolder + "/error.log");
  throw std::runtime_error("nginx did not start: " +
                           std::string(std::istreambuf_iterator<char>(log), std::istreambuf_iterator<char>()));
}

NginxServer::~NginxServer() { Stop(); }

std::string NginxServer::Url(const std::string& path) const {
  return "http://127.0.0.1:" + std::to_string(port_) + path;
}

bool NginxServer::TryStart(const std::string& root, const std::string& work) {
  port_ = UnusedPort();
  const std::string config = work + "/nginx.conf";
  std::ofstream(config) << Configuration(root, work, port_);
  const std::string errorLog = work + "/error.log";
  const std::string output = work + "/nginx.out";
  const pid_t parent = ::getpid();
  pid_ = ::fork();
  if (pid_ < 0) throw std::runtime_error("fork failed");
  if (pid_ == 0) {  // only async-signal-safe calls from here on
    ::prctl(PR_SET_PDEATHSIG, SIGKILL);  // never outlive the test
    if (::getppid() != parent) ::_exit(127);
    const int out = ::open(output.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0600);
    if (out >= 0) {
      ::dup2(out, 1);
      ::dup2(out, 2);
    }
    ::execl(kProgram, "nginx", "-p", work.c_str(), "-c", config.c_str(), "-e", errorLog.c_str(),
            static_cast<char*>(nullptr));
    ::_exit(127);
  }
  const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(10);
  while (std::chrono::steady_clock::now() < deadline) {
    if (Accepts(port_)) return true;
    int status = 0;
    if (::waitpid(pid_, &status, WNOHANG) == pid_) {  // it gave up, perhaps on the port
      pid_ = -1;
      return false;
    }
    std::this_thread::sleep_for(std::chrono::milliseconds(20));
  }
  Stop();
  return false;
}

void NginxServer::Stop() {
  if (pid_ <= 0) return;
  ::kill(pid_, SIGTERM);
  for (int i = 0; i < 250; ++i) {
    if (::waitpid(pid_, nullptr, WNOHANG) == pid_) {
      pid_ = -1;
      return;
    }
    std::this_thread::sleep_for(std::chrono::milliseconds(20));
  }
  ::kill(pid_, SIGKILL);
  ::waitpid(pid_, nullptr, 0);
  pid_ = -1;
}

namespace {

constexpr std::uint64_t kFnvOffset = 14695981039346656037ull;
constexpr std::uint64_t kFnvPrime = 1099511628211ull;

std::uint64_t Mix(std::uint64_t hash, const unsigned char* data, std::size_t size) {
  std::size_t i = 0;
  for (; i + 8 <= size; i += 8) {
    std::uint64_t word;
    std::memcpy(&word, data + i, 8);
    hash = (hash ^ word) * kFnvPrime;
  }
  for (; i < size; ++i) hash = (hash ^ data[i]) * kFnvPrime;
  return hash;
}

constexpr std::size_t kChunk = 1 << 20;  // a multiple of 8, so chunking does not change the sum

}  // namespace

std::uint64_t WriteSampleFile(const std::string& path, std::int64_t size) {
  std::FILE* file = std::fopen(path.c_str(), "wb");
  if (file == nullptr) throw std::runtime_error("cannot write " + path);
  std::vector<unsigned char> chunk(kChunk);
  std::uint64_t state = 0x9E3779B97F4A7C15ull;
  std::uint64_t hash = kFnvOffset;
  for (std::int64_t left = size; left > 0;) {
    for (std::size_t i = 0; i < kChunk; i += 8) {
      state ^= state << 13;
      state ^= state >> 7;
      state ^= state << 17;
      std::memcpy(chunk.data() + i, &state, 8);
    }
    const std::size_t count = static_cast<std::size_t>(std::min<std::int64_t>(left, kChunk));
    hash = Mix(hash, chunk.data(), count);
    if (std::fwrite(chunk.data(), 1, count, file) != count) throw std::runtime_error("cannot write " + path);
    left -= static_cast<std::int64_t>(count);
  }
  std::fclose(file);
  return hash;
}

std::uint64_t FileChecksum(const std::string& path, std::int64_t& size) {
  std::FILE* file = std::fopen(path.c_str(), "rb");
  size = 0;
  if (file == nullptr) return 0;
  std::vector<unsigned char> chunk(kChunk);
  std::uint64_t hash = kFnvOffset;
  std::size_t got;
  while ((got = std::fread(chunk.data(), 1, kChunk, file)) > 0) {
    hash = Mix(hash, chunk.data(), got);
    size += static_cast<std::int64_t>(got);
  }
  std::fclose(file);
  return hash;
}

}  // namespace sorvane::testing
