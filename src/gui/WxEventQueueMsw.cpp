#include "gui/WxEventQueue.h"

#include <wx/app.h>

namespace sorvane {

// The thread's message queue, as PeekMessage sees it (wxApp::Pending on
// Windows): a look without taking anything, cheap, but still asked at most
// once a millisecond, as input gets through at once all the same.
bool WxEventQueue::Pending() {
  const auto now = std::chrono::steady_clock::now();
  if (now - lastAsked_ < std::chrono::milliseconds(1)) return false;
  lastAsked_ = now;
  return wxTheApp != nullptr && wxTheApp->Pending();
}

}  // namespace sorvane
