#pragma once

#include <cstdint>

namespace sorvane {

// A monotonic clock for time-outs. Only differences between two readings
// mean anything; the clock never goes back, also when the user changes the
// time of day.
class Clock {
 public:
  virtual ~Clock() = default;

  // Milliseconds since an arbitrary fixed point.
  virtual std::int64_t NowMs() = 0;
};

}  // namespace sorvane
