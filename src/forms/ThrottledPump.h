#pragma once

#include <cstdint>

#include "platform/Clock.h"
#include "platform/MessagePump.h"

namespace sorvane {

// The window system's event queue, as a pump needs it.
class EventQueue {
 public:
  virtual ~EventQueue() = default;
  // Whether input or window events wait. Called on every turn of a long
  // loop, so it must cost next to nothing (a flag, a queue peek).
  virtual bool Pending() = 0;
  // Lets the pending events run and returns.
  virtual void Yield() = 0;
};

// A message pump for loops that call it very often (once per container
// member). Letting events run costs microseconds per call, which at a
// hundred thousand members would be most of a load; so this pump lets them
// run only when the queue reports some pending or when interval has passed
// since it last did (repaints of the progress bar then come at least that
// often). The first call always yields, and so does the first call of a
// later load (the interval has long passed), so a window just shown gets
// painted at once.
class ThrottledPump : public MessagePump {
 public:
  ThrottledPump(EventQueue& queue, Clock& clock, std::int64_t intervalMs = 10)
      : queue_(queue), clock_(clock), intervalMs_(intervalMs) {}

  void ProcessMessages() override;

 private:
  EventQueue& queue_;
  Clock& clock_;
  std::int64_t intervalMs_;
  std::int64_t lastMs_ = 0;
  bool yielded_ = false;
};

}  // namespace sorvane
