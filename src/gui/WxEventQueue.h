#pragma once

#include <chrono>

#include "forms/ThrottledPump.h"

namespace sorvane {

// The GTK event queue as the load's pump sees it. Yield runs only window
// and input events: timers and idle work wait until the load is over, so
// nothing of the program's own runs in the middle of it.
class WxEventQueue : public EventQueue {
 public:
  bool Pending() override;
  void Yield() override;

 private:
  std::chrono::steady_clock::time_point lastAsked_{};
};

}  // namespace sorvane
