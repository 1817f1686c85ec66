#include "SmokeDriver.h"

#include <wx/app.h>
#include <wx/gdicmn.h>
#include <wx/toplevel.h>

#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <sstream>

#include "SmokeScreen.h"
#include "platform/NativeServices.h"

namespace sorvane::smoke {

namespace {
// A condition must hold on this many polls in a row: the windows have then
// painted what the state says (a screenshot of a half-drawn window helps
// nobody).
constexpr int kStableTicks = 3;
constexpr int kPollMs = 40;
}  // namespace

SmokeDriver::SmokeDriver(std::string artifactFolder, std::chrono::seconds stepTimeout)
    : artifacts_(std::move(artifactFolder)), timeout_(stepTimeout) {}

void SmokeDriver::Add(std::string name, std::function<bool()> ready, std::function<void()> act) {
  steps_.push_back({std::move(name), std::move(ready), std::move(act)});
}

void SmokeDriver::Run() {
  stepStart_ = std::chrono::steady_clock::now();
  Start(kPollMs);
}

void SmokeDriver::Notify() {
  if (current_ >= steps_.size()) {
    // The last step's action ends the program; the loop must end soon.
    if (std::chrono::steady_clock::now() - stepStart_ > timeout_) Fail("the program did not end");
    return;
  }
  Step& step = steps_[current_];
  if (!step.ready()) {
    stableTicks_ = 0;
    if (std::chrono::steady_clock::now() - stepStart_ > timeout_) Fail("step \"" + step.name + "\" timed out");
    return;
  }
  if (++stableTicks_ < kStableTicks) return;
  std::printf("smoke: %s\n", step.name.c_str());
  std::fflush(stdout);
  // Advance before acting: the action may open a modal dialog whose loop
  // keeps calling Notify.
  ++current_;
  stableTicks_ = 0;
  stepStart_ = std::chrono::steady_clock::now();
  step.act();
}

void SmokeDriver::ClickAt(const wxPoint& screenPoint) {
  sim_.MouseMove(screenPoint);
  sim_.MouseClick();
}

void SmokeDriver::Click(wxWindow* window) { ClickAt(window->GetScreenRect().GetPosition() + window->GetSize() / 2); }

void SmokeDriver::DoubleClick(wxWindow* window) {
  sim_.MouseMove(window->GetScreenRect().GetPosition() + window->GetSize() / 2);
  sim_.MouseDblClick();
}

void SmokeDriver::Key(int keyCode, int modifiers) { sim_.Char(keyCode, modifiers); }

void SmokeDriver::Type(const char* text) { sim_.Text(text); }

void SmokeDriver::Screenshot(wxWindow* window, const std::string& name) {
  const std::string path = SaveScreenArea(window->GetScreenRect(), artifacts_ + "/" + name);
  if (path.empty()) Fail("cannot save the screenshot " + name);
  std::printf("smoke: screenshot %s\n", path.c_str());
}

void SmokeDriver::Expect(bool condition, const std::string& what) {
  if (!condition) Fail("expected " + what);
}

void SmokeDriver::Fail(const std::string& why) {
  std::fprintf(stderr, "smoke: FAILED: %s\n", why.c_str());
  if (describe) std::fprintf(stderr, "smoke: state: %s\n", describe().c_str());
  for (wxWindow* window : wxTopLevelWindows) {
    std::fprintf(stderr, "smoke: window \"%s\" (%s)%s\n", window->GetLabel().utf8_str().data(),
                 wxString(window->GetClassInfo()->GetClassName()).utf8_str().data(), window->IsShown() ? " shown" : "");
  }
  SaveScreenArea(wxRect(wxPoint(0, 0), wxGetDisplaySize()), artifacts_ + "/failure");
  std::fflush(stdout);
  std::fflush(stderr);
  // Modal loops may be running: leave at once rather than unwind them.
  std::_Exit(1);
}

std::string ReadWholeFile(const std::filesystem::path& path) {
  std::stringstream s;
  s << std::ifstream(path, std::ios::binary).rdbuf();
  return s.str();
}

wxWindow* ShownWindowTitled(const wxString& title) {
  for (wxWindow* window : wxTopLevelWindows) {
    if (window->IsShown() && window->GetLabel() == title) return window;
  }
  return nullptr;
}

void KeepUpdateWizardAway() {
  const auto store = OpenUserRegistryStore();
  store->CreateKey(RegistryRoot::LocalMachine, "Software\\Orvel\\Sorvane");
  store->WriteValue(RegistryRoot::LocalMachine, "Software\\Orvel\\Sorvane", "NoUpdate", {RegistryType::String, ""});
}

}  // namespace sorvane::smoke
