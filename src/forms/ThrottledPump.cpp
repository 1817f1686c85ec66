#include "forms/ThrottledPump.h"

namespace sorvane {

void ThrottledPump::ProcessMessages() {
  // The clock comes first: it is the cheaper question.
  if (yielded_ && clock_.Now() - last_ < interval_ && !queue_.Pending()) return;
  queue_.Yield();
  // Counted from the end of the yield, so time spent in event handlers does
  // not shorten the next quiet stretch.
  last_ = clock_.Now();
  yielded_ = true;
}

}  // namespace sorvane
