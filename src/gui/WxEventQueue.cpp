#include "gui/WxEventQueue.h"

#include <wx/app.h>
#include <wx/evtloop.h>

namespace sorvane {

void WxEventQueue::Yield() {
  // Outside a running loop (before the program's start has finished) there
  // is nobody to hand the events to.
  if (wxEventLoopBase* loop = wxEventLoopBase::GetActive()) {
    loop->YieldFor(wxEVT_CATEGORY_UI | wxEVT_CATEGORY_USER_INPUT);
  }
}

}  // namespace sorvane
