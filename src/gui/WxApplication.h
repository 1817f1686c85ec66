#pragma once

#include <wx/icon.h>
#include <wx/modalhook.h>

#include "forms/InfoView.h"
#include "platform/ApplicationControl.h"

class wxWindow;

namespace sorvane {

// The application's end as components ask for it. The request takes effect
// when the main loop runs: the main window then closes. Until then it is
// pending, the windows being created finish and the main window lives on;
// a modal window that is to be shown while an end is pending ends at once as
// cancelled, without appearing, as a modal loop does when the program is to
// end.
class WxApplicationControl final : public ApplicationControl, private wxModalDialogHook {
 public:
  WxApplicationControl();
  void SetMainWindow(wxWindow* window) { main_ = window; }
  void Terminate() override;
  bool Terminated() const override { return terminated_; }
  // Called as the main loop is about to start.
  void MainLoopStarts();

 private:
  int Enter(wxDialog* dialog) override;
  void Exit(wxDialog* dialog) override;
  void EndWhenIdle();

  wxWindow* main_ = nullptr;
  bool terminated_ = false;
  bool pending_ = false;
};

// The application's top-level windows that exist now, for the message font.
class WxApplicationWindows final : public ApplicationWindows {
 public:
  std::string MessageFontFace() override;
  int Count() override;
  int FontPointSize(int window) override;
  // The window's font and that of every control in it that takes its
  // window's font; controls with a font of their own keep theirs.
  void SetFontFace(int window, const std::string& face) override;
};

// The program's icon for the window system.
wxIcon ProgramWxIcon();

}  // namespace sorvane
