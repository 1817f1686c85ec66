#pragma once

#include <cstdint>

namespace sorvane {

// What a catalogue load does to the windows around it: it disables the main
// window, drives the wait window's progress bar and lets pending messages run
// so the wait window repaints. LoadCatalogue calls these in this order:
//
//   DisableMainWindow
//   SetProgressRange(count), SetProgressPosition(0), ShowWaitWindow,
//   ProcessMessages
//   per member: SetProgressPosition(members read so far), ProcessMessages
//   CloseWaitWindow, EnableMainWindow, BringApplicationToFront,
//   BringMainWindowToFront
//
// A load that fails after DisableMainWindow still closes the wait window and
// enables the main window before the failure leaves it.
class LoadEffects {
 public:
  virtual ~LoadEffects() = default;
  virtual void DisableMainWindow() = 0;
  // The progress bar's range becomes 0 to maximum.
  virtual void SetProgressRange(std::int32_t maximum) = 0;
  virtual void SetProgressPosition(std::int32_t position) = 0;
  virtual void ShowWaitWindow() = 0;
  virtual void ProcessMessages() = 0;
  virtual void CloseWaitWindow() = 0;
  virtual void EnableMainWindow() = 0;
  virtual void BringApplicationToFront() = 0;
  virtual void BringMainWindowToFront() = 0;
};

// For loads without windows (the command line, benchmarks).
class NoLoadEffects : public LoadEffects {
 public:
  void DisableMainWindow() override {}
  void SetProgressRange(std::int32_t) override {}
  void SetProgressPosition(std::int32_t) override {}
  void ShowWaitWindow() override {}
  void ProcessMessages() override {}
  void CloseWaitWindow() override {}
  void EnableMainWindow() override {}
  void BringApplicationToFront() override {}
  void BringMainWindowToFront() override {}
};

}  // namespace sorvane
