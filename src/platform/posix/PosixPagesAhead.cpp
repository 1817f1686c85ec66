#include "platform/PagesAhead.h"

#include <algorithm>
#include <atomic>
#include <new>
#include <system_error>
#include <thread>

#include "platform/MemoryPages.h"

namespace sorvane {
namespace {

// Each step takes at most this much of the largest stretch: small enough
// that the thread soon gets ahead of the writer and stops soon when told to,
// large enough that the calls do not count.
constexpr std::size_t kStepBytes = std::size_t{256} << 10;

}  // namespace

struct PagesAhead::Helper {
  std::vector<PageStretch> stretches;
  std::atomic<bool> stop{false};
  std::thread thread;

  void Run() noexcept {
    std::size_t largest = 0;
    for (const PageStretch& s : stretches) largest = std::max(largest, s.bytes);
    const std::size_t steps = std::max<std::size_t>(1, (largest + kStepBytes - 1) / kStepBytes);
    try {
      for (std::size_t step = 0; step < steps && !stop.load(std::memory_order_relaxed); ++step) {
        for (const PageStretch& s : stretches) {
          const std::size_t from = s.bytes / steps * step;
          const std::size_t to = step + 1 == steps ? s.bytes : s.bytes / steps * (step + 1);
          TakePages(static_cast<char*>(s.begin) + from, to - from);
        }
      }
    } catch (const std::bad_alloc&) {
      // The writer's own write meets the shortage and reports it.
    }
  }
};

PagesAhead::PagesAhead(const std::vector<PageStretch>& stretches) : helper_(std::make_unique<Helper>()) {
  helper_->stretches = stretches;
  try {
    helper_->thread = std::thread([helper = helper_.get()] { helper->Run(); });
  } catch (const std::system_error&) {
    // No thread to be had: the pages come at the first write.
  }
}

bool PagesAhead::Taking() const { return helper_->thread.joinable(); }

void PagesAhead::Stop() {
  helper_->stop.store(true, std::memory_order_relaxed);
  if (helper_->thread.joinable()) helper_->thread.join();
}

PagesAhead::~PagesAhead() { Stop(); }

}  // namespace sorvane
