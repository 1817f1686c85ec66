#pragma once

#include <chrono>

#include "platform/Clock.h"

namespace sorvane {

// The system's monotonic clock.
class SteadyClock : public Clock {
 public:
  std::int64_t NowMs() override {
    using namespace std::chrono;
    return duration_cast<milliseconds>(steady_clock::now().time_since_epoch()).count();
  }
};

}  // namespace sorvane
