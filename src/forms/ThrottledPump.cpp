#include "forms/ThrottledPump.h"

namespace sorvane {

void ThrottledPump::ProcessMessages() {
  // The clock comes first: it is the cheaper question.
  if (yielded_ && clock_.NowMs() - lastMs_ < intervalMs_ && !queue_.Pending()) return;
  queue_.Yield();
  // Counted from the end of the yield, so time spent in event handlers does
  // not shorten the next quiet stretch.
  lastMs_ = clock_.NowMs();
  yielded_ = true;
}

}  // namespace sorvane
