#include "platform/posix/PosixFileViews.h"

#include <signal.h>
#include <sys/mman.h>
#include <sys/stat.h>
#include <unistd.h>

#include <atomic>
#include <mutex>

namespace sorvane {
namespace {

// What the handler knows of the one guarded file: a signal handler sees
// only what lies in static storage, and may touch nothing but lock-free
// atomics there.
struct Guard {
  std::atomic<bool> taken{false};
  std::atomic<std::uintptr_t> begin{0};
  std::atomic<std::uintptr_t> end{0};
  std::atomic<bool> cut{false};
};
Guard guard;
struct sigaction previousAction;
std::uintptr_t pageSize = 0;

void OnBusError(int signal, siginfo_t* info, void* context) {
  const auto address = reinterpret_cast<std::uintptr_t>(info->si_addr);
  if (info->si_code > 0 && address >= guard.begin.load() && address < guard.end.load()) {
    // The page is gone from the file: zeros in its place, so that the
    // reading instruction can go on, and the cut noted for the reader.
    void* page = reinterpret_cast<void*>(address / pageSize * pageSize);
    if (::mmap(page, pageSize, PROT_READ, MAP_PRIVATE | MAP_ANONYMOUS | MAP_FIXED, -1, 0) != MAP_FAILED) {
      guard.cut.store(true);
      return;
    }
  }
  // Not the views': whatever was there before.
  if ((previousAction.sa_flags & SA_SIGINFO) != 0) {
    previousAction.sa_sigaction(signal, info, context);
  } else if (previousAction.sa_handler == SIG_IGN && info->si_code <= 0) {
    // Sent by someone, and ignored as before.
  } else if (previousAction.sa_handler == SIG_DFL || previousAction.sa_handler == SIG_IGN) {
    // The default ends the program: a faulting instruction meets it when it
    // runs again, a signal that was sent is sent once more.
    ::signal(SIGBUS, SIG_DFL);
    if (info->si_code <= 0) ::raise(SIGBUS);
  } else {
    previousAction.sa_handler(signal);
  }
}

bool InstallHandler() {
  static std::once_flag once;
  static bool installed = false;
  std::call_once(once, [] {
    pageSize = static_cast<std::uintptr_t>(::sysconf(_SC_PAGESIZE));
    struct sigaction action = {};
    action.sa_sigaction = OnBusError;
    action.sa_flags = SA_SIGINFO;
    sigemptyset(&action.sa_mask);
    installed = ::sigaction(SIGBUS, &action, &previousAction) == 0;
  });
  return installed;
}

}  // namespace

PosixFileViews::~PosixFileViews() {
  if (guarding_) {
    guard.end.store(0);
    guard.begin.store(0);
    guard.cut.store(false);
    guard.taken.store(false);
  }
  if (mapped_ != nullptr) ::munmap(mapped_, mappedBytes_);
}

bool PosixFileViews::MapWholeFile() {
  bool free = false;
  if (!InstallHandler() || !guard.taken.compare_exchange_strong(free, true)) return false;
  guarding_ = true;
  struct stat info;
  if (::fstat(fd_, &info) != 0 || info.st_size <= 0) return false;
  void* mapped = ::mmap(nullptr, static_cast<std::size_t>(info.st_size), PROT_READ, MAP_PRIVATE, fd_, 0);
  if (mapped == MAP_FAILED) return false;
  mapped_ = static_cast<char*>(mapped);
  mappedBytes_ = static_cast<std::size_t>(info.st_size);
  guard.begin.store(reinterpret_cast<std::uintptr_t>(mapped_));
  guard.end.store(reinterpret_cast<std::uintptr_t>(mapped_) + mappedBytes_);
  return true;
}

const unsigned char* PosixFileViews::View(std::int64_t offset, std::size_t bytes) {
  if (mapped_ == nullptr) {
    if (failed_) return nullptr;
    failed_ = !MapWholeFile();
    if (failed_) return nullptr;
  }
  if (offset < 0 || static_cast<std::uint64_t>(offset) > mappedBytes_ || bytes > mappedBytes_ - offset) return nullptr;
  const auto from = static_cast<std::size_t>(offset) / pageSize * pageSize;
  // The pages before the view are read: given back, so that the file does
  // not come to count as the program's memory.
  if (from > given_) {
    ::madvise(mapped_ + given_, from - given_, MADV_DONTNEED);
    given_ = from;
  }
  // Brought in with one call rather than a fault per few pages. Where the
  // system cannot, they come at the first read.
  ::madvise(mapped_ + from, static_cast<std::size_t>(offset) + bytes - from, MADV_POPULATE_READ);
  return reinterpret_cast<const unsigned char*>(mapped_) + offset;
}

bool PosixFileViews::Cut() const { return guarding_ && guard.cut.load(); }

}  // namespace sorvane
