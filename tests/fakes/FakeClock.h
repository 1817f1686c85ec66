#pragma once

#include <cstdint>

#include "platform/Clock.h"

namespace sorvane {

// A clock that moves only when the test moves it.
class FakeClock : public Clock {
 public:
  std::int64_t NowMs() override { return now_; }
  void Advance(std::int64_t ms) { now_ += ms; }

 private:
  std::int64_t now_ = 1000;
};

}  // namespace sorvane
