#pragma once

#include <cstdint>

#include "platform/Clock.h"

namespace sorvane {

// A restartable one-shot interval timer read on every turn of a wait: once
// started it becomes due when its interval has passed since the last
// (re)start, reports that once, and then stays off until started again.
// An interval of 0 (or less) means no time-out: the timer never becomes due.
class OneShotTimer {
 public:
  explicit OneShotTimer(Clock& clock) : clock_(clock) {}

  void Start(int intervalMs);
  // Counts the interval afresh from now, if the timer is running.
  void Restart();
  void Stop() { running_ = false; }
  bool Running() const { return running_; }

  // True exactly once, on the first call after the interval has passed;
  // the timer is off afterwards.
  bool Due();

 private:
  Clock& clock_;
  int intervalMs_ = 0;
  std::int64_t deadline_ = 0;
  bool running_ = false;
};

}  // namespace sorvane
