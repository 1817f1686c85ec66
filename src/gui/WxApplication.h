#pragma once

#include <wx/icon.h>

#include "forms/InfoView.h"
#include "platform/ApplicationControl.h"

class wxWindow;

namespace sorvane {

// The application's end as components ask for it: the main window closes
// once the message loop runs, so a request made while the windows are
// being created lets their creation finish, and the main window is never
// shown then.
class WxApplicationControl final : public ApplicationControl {
 public:
  void SetMainWindow(wxWindow* window) { main_ = window; }
  void Terminate() override;
  bool Terminated() const override { return terminated_; }

 private:
  wxWindow* main_ = nullptr;
  bool terminated_ = false;
};

// The application's top-level windows that exist now, for the message font.
class WxApplicationWindows final : public ApplicationWindows {
 public:
  std::string MessageFontFace() override;
  int Count() override;
  int FontPointSize(int window) override;
  void SetFontFace(int window, const std::string& face) override;
};

// The program's icon for the window system.
wxIcon ProgramWxIcon();

}  // namespace sorvane
