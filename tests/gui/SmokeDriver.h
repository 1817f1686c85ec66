#pragma once

#include <wx/timer.h>
#include <wx/uiaction.h>
#include <wx/window.h>

#include <chrono>
#include <filesystem>
#include <functional>
#include <string>
#include <vector>

#include "platform/ProgramFile.h"

class wxWindow;

namespace sorvane::smoke {

// Drives a running program through a list of steps with simulated input.
// A step waits until its condition holds (polled on a timer, so modal
// dialogs' own loops keep the script going), then acts. A condition that
// does not come true in time fails the run: a screenshot of the screen is
// saved and the process ends with status 1.
class SmokeDriver : public wxTimer {
 public:
  struct Step {
    std::string name;
    std::function<bool()> ready;
    std::function<void()> act;
  };

  SmokeDriver(std::string artifactFolder, std::chrono::seconds stepTimeout = std::chrono::seconds(30));

  void Add(std::string name, std::function<bool()> ready, std::function<void()> act);
  // Starts polling. The last step's action is expected to end the program.
  void Run();
  // Whether every step has acted.
  bool Done() const { return current_ >= steps_.size(); }

  // Simulated input.
  void Click(wxWindow* window);
  void DoubleClick(wxWindow* window);
  void ClickAt(const wxPoint& screenPoint);
  void Key(int keyCode, int modifiers = wxMOD_NONE);
  void Type(const char* text);

  // Saves window (with its frame) as artifactFolder/name.png (.bmp on
  // Windows).
  void Screenshot(wxWindow* window, const std::string& name);
  // Checks a condition of a step's action; a false one fails the run.
  void Expect(bool condition, const std::string& what);
  [[noreturn]] void Fail(const std::string& why);

  void Notify() override;

  // Describes the program's state in a failure report.
  std::function<std::string()> describe;

 private:
  std::string artifacts_;
  std::chrono::seconds timeout_;
  std::vector<Step> steps_;
  std::size_t current_ = 0;
  int stableTicks_ = 0;
  std::chrono::steady_clock::time_point stepStart_;
  wxUIActionSimulator sim_;
};

// A program file where the test says, beside the test's own containers.
class FixedProgramFile : public ProgramFile {
 public:
  std::string path;
  std::string ProgramPath() override { return path; }
};

// A file's bytes; empty when it cannot be read.
std::string ReadWholeFile(const std::filesystem::path& path);

// The shown top-level window whose title is title, or null.
wxWindow* ShownWindowTitled(const wxString& title);

// The child window of parent (at any depth) of type T whose label is label.
template <typename T>
T* FindChild(wxWindow* parent, const wxString& label) {
  for (wxWindow* child : parent->GetChildren()) {
    if (auto* match = dynamic_cast<T*>(child); match != nullptr && child->GetLabel() == label) return match;
    if (T* deeper = FindChild<T>(child, label)) return deeper;
  }
  return nullptr;
}

// A first start offers the update wizard before the main window. Tests of
// the other windows keep it away, as a user who chose "Niemals
// automatisch zum Updaten auffordern" does: "NoUpdate" in the registry that
// ORVEL_REGISTRY_DIR names.
void KeepUpdateWizardAway();

}  // namespace sorvane::smoke
