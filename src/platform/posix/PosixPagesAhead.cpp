#include "platform/PagesAhead.h"

#include <algorithm>
#include <atomic>
#include <cstdint>
#include <new>
#include <system_error>
#include <thread>

#include "platform/MemoryPages.h"

namespace sorvane {
namespace {

// Each step takes at most this much of the largest stretch: small enough
// that the thread soon gets ahead of the writer and stops soon when told to,
// large enough that the calls do not count.
constexpr std::size_t kStepBytes = std::size_t{128} << 10;

}  // namespace

// The steps are handed out by one counter, to the thread and to a writer
// that has caught up with it alike, so that no step is taken twice and the
// writer never waits for the thread: taking a step's pages in one call costs
// it less than meeting them one fault at a time.
struct PagesAhead::Helper {
  std::vector<PageStretch> stretches;
  std::size_t steps = 1;
  std::atomic<std::size_t> nextStep{0};
  std::atomic<bool> stop{false};
  bool stopped = false;  // the writer's own view: the stretches may be gone
  std::thread thread;

  std::size_t StepBegin(const PageStretch& s, std::size_t step) const { return s.bytes / steps * step; }
  std::size_t StepEnd(const PageStretch& s, std::size_t step) const {
    return step + 1 == steps ? s.bytes : s.bytes / steps * (step + 1);
  }
  void Take(std::size_t step) const {
    for (const PageStretch& s : stretches) {
      const std::size_t from = StepBegin(s, step);
      TakePages(static_cast<char*>(s.begin) + from, StepEnd(s, step) - from);
    }
  }
  // Claims the next step unless it is beyond last; false when there is none.
  bool Claim(std::size_t last, std::size_t& step) {
    std::size_t next = nextStep.load(std::memory_order_relaxed);
    while (next <= last) {
      if (nextStep.compare_exchange_weak(next, next + 1, std::memory_order_relaxed)) {
        step = next;
        return true;
      }
    }
    return false;
  }
  void Run() noexcept {
    try {
      std::size_t step = 0;
      while (!stop.load(std::memory_order_relaxed) && Claim(steps - 1, step)) Take(step);
    } catch (const std::bad_alloc&) {
      // The writer's own write meets the shortage and reports it.
    }
  }
};

PagesAhead::PagesAhead(const std::vector<PageStretch>& stretches) : helper_(std::make_unique<Helper>()) {
  helper_->stretches = stretches;
  std::size_t largest = 0;
  for (const PageStretch& s : stretches) largest = std::max(largest, s.bytes);
  helper_->steps = std::max<std::size_t>(1, (largest + kStepBytes - 1) / kStepBytes);
  try {
    helper_->thread = std::thread([helper = helper_.get()] { helper->Run(); });
  } catch (const std::system_error&) {
    // No thread to be had: the pages come at the first write.
  }
}

bool PagesAhead::Taking() const { return helper_->thread.joinable(); }

void* PagesAhead::TakeFor(void* at, std::size_t bytes) {
  Helper& h = *helper_;
  if (h.stopped) return nullptr;
  const auto from = reinterpret_cast<std::uintptr_t>(at);
  for (const PageStretch& s : h.stretches) {
    const auto begin = reinterpret_cast<std::uintptr_t>(s.begin);
    if (from < begin || from - begin >= s.bytes || bytes > s.bytes - (from - begin)) continue;
    // The step that holds the last byte to be written.
    const std::size_t share = s.bytes / h.steps;
    const std::size_t last = from - begin + bytes - 1;
    const std::size_t needed = share == 0 ? h.steps - 1 : std::min(h.steps - 1, last / share);
    std::size_t step = 0;
    while (h.Claim(needed, step)) h.Take(step);
    return static_cast<char*>(s.begin) + h.StepEnd(s, needed);
  }
  return nullptr;
}

void PagesAhead::Stop() {
  helper_->stopped = true;
  helper_->stop.store(true, std::memory_order_relaxed);
  if (helper_->thread.joinable()) helper_->thread.join();
}

PagesAhead::~PagesAhead() { Stop(); }

}  // namespace sorvane
