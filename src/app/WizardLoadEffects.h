#pragma once

#include <cstdint>

#include "app/Form1View.h"
#include "container/LoadEffects.h"
#include "forms/TForm6.h"
#include "platform/MessagePump.h"

namespace sorvane {

// What a catalogue load does to the wizard's windows: the main window is
// disabled while the wait window's progress bar follows the members read,
// and the pump lets the windows repaint. The pump is called once per member,
// so it must be cheap (ThrottledPump).
class WizardLoadEffects : public LoadEffects {
 public:
  WizardLoadEffects(Form1View& mainWindow, TForm6& waitWindow, MessagePump& pump)
      : main_(mainWindow), wait_(waitWindow), pump_(pump) {}

  void DisableMainWindow() override { main_.SetWindowEnabled(false); }
  void SetProgressRange(std::int32_t maximum) override { wait_.SetProgressRange(maximum); }
  void SetProgressPosition(std::int32_t position) override { wait_.SetProgressPosition(position); }
  void ShowWaitWindow() override { wait_.Show(); }
  void ProcessMessages() override { pump_.ProcessMessages(); }
  // The load's own close: it goes through whatever the position, so a
  // failed load takes the window down too.
  void CloseWaitWindow() override { wait_.Hide(); }
  void EnableMainWindow() override { main_.SetWindowEnabled(true); }
  void BringApplicationToFront() override { main_.BringApplicationToFront(); }
  void BringMainWindowToFront() override { main_.BringToFront(); }

 private:
  Form1View& main_;
  TForm6& wait_;
  MessagePump& pump_;
};

}  // namespace sorvane
