#include "FakeDnsServer.h"

#include <chrono>
#include <string>

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
    : mode_(mode), address_(address), socket_(LoopbackSocket::Kind::Datagram), port_(socket_.Port()) {
  thread_ = std::thread(&FakeDnsServer::Run, this);
}

FakeDnsServer::~FakeDnsServer() {
  stop_ = true;
  thread_.join();
}

void FakeDnsServer::Run() {
  const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(30);
  while (!stop_ && std::chrono::steady_clock::now() < deadline) {
    if (!socket_.AwaitReadable(20)) continue;
    unsigned char query[512];
    DatagramSender from;
    const long got = socket_.ReceiveFrom(query, sizeof query, from);
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
    socket_.SendTo(answer.data(), answer.size(), from);
  }
}

}  // namespace sorvane::testing
