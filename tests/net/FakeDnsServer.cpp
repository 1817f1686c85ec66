#include "FakeDnsServer.h"

#include <arpa/inet.h>
#include <chrono>
#include <netinet/in.h>
#include <poll.h>
#include <stdexcept>
#include <string_view>
#include <sys/socket.h>
#include <unistd.h>

namespace sorvane::testing {
namespace {

// The end of the question section (name, type, class) of a query, or 0.
std::size_t QuestionEnd(const unsigned char* message, std::size_t size) {
  std::size_t at = 12;
  while (at < size && message[at] != 0) {
    if ((message[at] & 0xC0) != 0) return 0;  // queries carry no compressed names
    at += 1 + message[at];
  }
  at += 1 + 4;
  return at <= size ? at : 0;
}

}  // namespace

FakeDnsServer::FakeDnsServer(Mode mode, std::array<std::uint8_t, 4> address)
    : mode_(mode), address_(address) {
  fd_ = ::socket(AF_INET, SOCK_DGRAM | SOCK_CLOEXEC, 0);
  sockaddr_in local{};
  local.sin_family = AF_INET;
  local.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
  socklen_t size = sizeof local;
  if (fd_ < 0 || ::bind(fd_, reinterpret_cast<sockaddr*>(&local), size) != 0 ||
      ::getsockname(fd_, reinterpret_cast<sockaddr*>(&local), &size) != 0)
    throw std::runtime_error("fake name server: cannot bind 127.0.0.1");
  port_ = ntohs(local.sin_port);
  thread_ = std::thread(&FakeDnsServer::Run, this);
}

FakeDnsServer::~FakeDnsServer() {
  stop_ = true;
  thread_.join();
  ::close(fd_);
}

void FakeDnsServer::Run() {
  const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(30);
  while (!stop_ && std::chrono::steady_clock::now() < deadline) {
    pollfd p{fd_, POLLIN, 0};
    if (::poll(&p, 1, 20) <= 0) continue;
    unsigned char query[512];
    sockaddr_in from{};
    socklen_t fromSize = sizeof from;
    const ssize_t got = ::recvfrom(fd_, query, sizeof query, 0, reinterpret_cast<sockaddr*>(&from), &fromSize);
    if (got < 12) continue;
    ++queries_;
    if (mode_ == Mode::Silent) continue;
    const std::size_t end = QuestionEnd(query, static_cast<std::size_t>(got));
    if (end == 0) continue;

    std::basic_string<unsigned char> answer(query, end);
    answer[2] = static_cast<unsigned char>(0x80 | (query[2] & 0x79));  // response, same opcode and RD
    answer[3] = mode_ == Mode::Answer ? 0x80 : 0x83;                   // RA; NXDOMAIN or no error
    answer[6] = 0;
    answer[7] = mode_ == Mode::Answer ? 1 : 0;  // answer count
    answer[8] = answer[9] = answer[10] = answer[11] = 0;
    if (mode_ == Mode::Answer) {
      const unsigned char record[] = {0xC0, 12,  0, 1, 0, 1, 0, 0, 0, 60, 0, 4,
                                      address_[0], address_[1], address_[2], address_[3]};
      answer.append(record, sizeof record);
    }
    ::sendto(fd_, answer.data(), answer.size(), 0, reinterpret_cast<sockaddr*>(&from), fromSize);
  }
}

}  // namespace sorvane::testing
