#include "LoopbackSocket.h"

#include <utility>

#include "platform/SocketPoll.h"

// The parts that are the same on every system; the socket calls themselves
// are in PosixLoopbackSocket.cpp and Win32LoopbackSocket.cpp.
namespace sorvane::testing {
namespace {

bool Await(std::uintptr_t handle, bool read, int ms) {
  SocketWait wait{handle, read, !read};
  PollSockets(&wait, 1, ms);
  return wait.readable || wait.writable;
}

}  // namespace

LoopbackSocket::~LoopbackSocket() { Close(); }

LoopbackSocket::LoopbackSocket(LoopbackSocket&& other) noexcept
    : handle_(other.handle_), valid_(std::exchange(other.valid_, false)), port_(other.port_) {}

LoopbackSocket& LoopbackSocket::operator=(LoopbackSocket&& other) noexcept {
  if (this != &other) {
    Close();
    handle_ = other.handle_;
    valid_ = std::exchange(other.valid_, false);
    port_ = other.port_;
  }
  return *this;
}

bool LoopbackSocket::AwaitReadable(int ms) const { return Await(handle_, true, ms); }

bool LoopbackSocket::AwaitWritable(int ms) const { return Await(handle_, false, ms); }

}  // namespace sorvane::testing
