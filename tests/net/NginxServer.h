#pragma once

#include <cstdint>
#include <string>
#include <sys/types.h>

namespace sorvane::testing {

// The system's nginx serving the folder root on a free loopback port, run
// as the current user with its configuration, pid file, logs and temporary
// folders inside workFolder. The constructor returns once it accepts
// connections; the destructor stops it, and it dies with the process that
// started it.
class NginxServer {
 public:
  static constexpr char kProgram[] = "/usr/sbin/nginx";
  static bool Installed();

  // Throws std::runtime_error (with nginx's error log) when it cannot start.
  NginxServer(const std::string& root, const std::string& workFolder);
  ~NginxServer();
  NginxServer(const NginxServer&) = delete;
  NginxServer& operator=(const NginxServer&) = delete;

  int Port() const { return port_; }
  std::string Url(const std::string& path) const;

 private:
  bool TryStart(const std::string& root, const std::string& workFolder);
  void Stop();

  pid_t pid_ = -1;
  int port_ = 0;
};

// Writes size bytes of a fixed pseudo-random sequence to path and returns
// their checksum.
std::uint64_t WriteSampleFile(const std::string& path, std::int64_t size);

// The checksum of a file's bytes (FNV-1a over 64-bit words, the tail
// bytewise), and its size through size.
std::uint64_t FileChecksum(const std::string& path, std::int64_t& size);

}  // namespace sorvane::testing
