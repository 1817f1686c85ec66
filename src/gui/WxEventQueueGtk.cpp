#include "gui/WxEventQueue.h"

#include <gdk/gdk.h>

namespace sorvane {

// Only the window system's own events count: input, exposure, the window
// manager's requests. wxApp::Pending asks GLib's main loop, which always
// answers yes while wx has an idle handler installed, so every member of a
// load would yield. GDK's answer in turn costs a system call on the X
// connection whenever its queue is empty, more than reading a member record;
// asked at most once a millisecond, input still gets through at once.
bool WxEventQueue::Pending() {
  const auto now = std::chrono::steady_clock::now();
  if (now - lastAsked_ < std::chrono::milliseconds(1)) return false;
  lastAsked_ = now;
  return gdk_events_pending() != FALSE;
}

}  // namespace sorvane
