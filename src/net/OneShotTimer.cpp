#include "net/OneShotTimer.h"

namespace sorvane {

void OneShotTimer::Start(int intervalMs) {
  intervalMs_ = intervalMs;
  running_ = intervalMs > 0;
  if (running_) deadline_ = clock_.NowMs() + intervalMs;
}

void OneShotTimer::Restart() {
  if (running_) deadline_ = clock_.NowMs() + intervalMs_;
}

bool OneShotTimer::Due() {
  if (!running_ || clock_.NowMs() < deadline_) return false;
  running_ = false;
  return true;
}

}  // namespace sorvane
