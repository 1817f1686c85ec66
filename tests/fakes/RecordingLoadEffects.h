#pragma once

#include <functional>
#include <string>
#include <vector>

#include "container/LoadEffects.h"

namespace sorvane {

// Logs every window effect of a catalogue load, in order, as text:
// "DisableMainWindow", "SetProgressRange 3", "SetProgressPosition 1",
// "ShowWaitWindow", "ProcessMessages", "CloseWaitWindow",
// "EnableMainWindow", "BringApplicationToFront", "BringMainWindowToFront".
// onProcessMessages, when set, runs inside each ProcessMessages, so a test
// can act while the load is under way.
class RecordingLoadEffects : public LoadEffects {
 public:
  std::vector<std::string> calls;
  std::function<void()> onProcessMessages;

  void DisableMainWindow() override { calls.push_back("DisableMainWindow"); }
  void SetProgressRange(std::int32_t maximum) override { calls.push_back("SetProgressRange " + std::to_string(maximum)); }
  void SetProgressPosition(std::int32_t position) override {
    calls.push_back("SetProgressPosition " + std::to_string(position));
  }
  void ShowWaitWindow() override { calls.push_back("ShowWaitWindow"); }
  void ProcessMessages() override {
    calls.push_back("ProcessMessages");
    if (onProcessMessages) onProcessMessages();
  }
  void CloseWaitWindow() override { calls.push_back("CloseWaitWindow"); }
  void EnableMainWindow() override { calls.push_back("EnableMainWindow"); }
  void BringApplicationToFront() override { calls.push_back("BringApplicationToFront"); }
  void BringMainWindowToFront() override { calls.push_back("BringMainWindowToFront"); }
};

}  // namespace sorvane
