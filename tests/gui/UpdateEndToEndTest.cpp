// The real program going through a whole update, driven with simulated
// input (update-e2e.sh sets up the program folder, the registry and the
// server). The same program runs twice: first it finds the update wizard of
// a first start, screenshots each of its pages, checks, downloads, installs
// and ends with "Beenden"; the update's script then replaces a file in the
// program folder and starts it again, and that second run must show the
// main window with the new container and no wizard, and Ctrl+U brings the
// wizard up.
//
// Environment: ORVEL_E2E_ARTIFACTS (screenshots), ORVEL_E2E_STATE (a folder
// for the runs' notes: "first-done", "second-done").
#include <stdlib.h>
#include <wx/button.h>
#include <wx/gauge.h>
#include <wx/listctrl.h>
#include <wx/simplebook.h>
#include <wx/stattext.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <filesystem>
#include <fstream>

#include "SmokeDriver.h"
#include "components/update/StatusFormTexts.h"
#include "gui/Form1Frame.h"
#include "gui/SorvaneApp.h"
#include "gui/StatusFormDialog.h"
#include "gui/WxText.h"

namespace sorvane::smoke {
namespace {

namespace fs = std::filesystem;
using Steady = std::chrono::steady_clock;

StatusFormDialog* ShownWizard() {
  for (wxWindow* window : wxTopLevelWindows) {
    if (auto* wizard = dynamic_cast<StatusFormDialog*>(window); wizard != nullptr && wizard->IsShown()) return wizard;
  }
  return nullptr;
}

bool OnPage(int page) {
  StatusFormDialog* w = ShownWizard();
  return w != nullptr && w->IsShownOnScreen() && w->Pages->GetSelection() == page;
}

// A label's text with the line breaks of its wrapping taken out.
std::string Label(wxWindow* window) {
  std::string text = Utf8(window->GetLabel());
  std::replace(text.begin(), text.end(), '\n', ' ');
  return text;
}

class UpdateE2EApp : public SorvaneApp {
 public:
  bool OnInit() override {
    const char* artifacts = std::getenv("ORVEL_E2E_ARTIFACTS");
    const char* state = std::getenv("ORVEL_E2E_STATE");
    if (artifacts == nullptr || state == nullptr) return false;
    state_ = state;
    driver_ = std::make_unique<SmokeDriver>(artifacts, std::chrono::seconds(60));
    second_ = fs::exists(state_ / "first-done");
    if (second_) {
      // Started by the update's script, with its output thrown away: keep
      // what the driver says for update-e2e.sh to show.
      std::freopen((state_ / "second.log").c_str(), "w", stdout);
      std::freopen((state_ / "second.log").c_str(), "a", stderr);
      RestartedScript();
    } else {
      UpdateScript();
    }
    // The wizard comes up modally while the main window is being created:
    // the driver must already be polling then.
    driver_->Run();
    return SorvaneApp::OnInit();
  }
  int OnRun() override {
    SorvaneApp::OnRun();
    return driver_->Done() ? 0 : 1;
  }

 private:
  void Note(const std::string& name) { std::ofstream(state_ / name) << "done\n"; }
  void UpdateScript();
  void RestartedScript();

  fs::path state_;
  bool second_ = false;
  Steady::time_point mainShownAt_{};
  Steady::time_point keyAt_{};
  std::unique_ptr<SmokeDriver> driver_;
};

void UpdateE2EApp::UpdateScript() {
  SmokeDriver& d = *driver_;
  d.describe = [] {
    StatusFormDialog* w = ShownWizard();
    return w == nullptr ? std::string("no wizard shown")
                        : "wizard page " + std::to_string(w->Pages->GetSelection()) + ", download text: " +
                              Label(w->Label_Download);
  };
  d.Add("first start shows the wizard", [] { return OnPage(0); }, [&d] {
    StatusFormDialog* w = ShownWizard();
    d.Expect(Label(w) == texts::kStatusCaption, "caption Updates installieren");
    d.Expect(w->GetClientSize() == wxSize(658, 353), "client area 658 x 353");
    d.Screenshot(w, "update0-welcome");
    d.Click(w->Button_Settings);
  });
  d.Add("settings page", [] { return OnPage(6); }, [&d] {
    StatusFormDialog* w = ShownWizard();
    d.Screenshot(w, "update6-settings");
    d.Key(WXK_ESCAPE);  // the settings page's "Abbrechen": back to the step, the wizard stays
  });
  d.Add("back on the welcome page", [] { return OnPage(0); }, [&d] { d.Click(ShownWizard()->Button_Next); });
  d.Add("check page", [] { return OnPage(1); }, [&d] {
    StatusFormDialog* w = ShownWizard();
    d.Screenshot(w, "update1-check");
    d.Click(w->Button_Check);
  });
  d.Add("the check finds the update and shows the news", [] { return OnPage(2); }, [&d] {
    StatusFormDialog* w = ShownWizard();
    const std::string result = Label(w->Label_CheckResult);
    d.Expect(result.find("Es stehen neue Updates zum Download bereit.") == 0, "the offer");
    d.Expect(result.find("- ") != std::string::npos && result.find("Neue Beispieldatei Neuigkeiten.zvq") != std::string::npos,
             "the news");
    d.Expect(result.find("Erste Ausgabe") == std::string::npos, "old news filtered out");
    d.Screenshot(w, "update2-result");
    d.Click(w->Button_Next);
  });
  d.Add("the download shows its progress and completes",
        [] { return OnPage(3) && ShownWizard()->Button_Next->IsEnabled(); },
        [&d] {
          StatusFormDialog* w = ShownWizard();
          d.Expect(Label(w->Label_Download).find("erfolgreich heruntergeladen") != std::string::npos, "completed text");
          d.Expect(Label(w->PerCent) == "100 %", "100 %");
          d.Expect(Label(w->StatusLabel).find(" gedownloadet") != std::string::npos, "bytes downloaded");
          d.Expect(Label(w->TimeLeft).find("verbleibende Zeit: ") == 0, "remaining time");
          d.Expect(w->Status->GetValue() == w->Status->GetRange(), "full bar");
          d.Screenshot(w, "update3-download");
          d.Click(w->Button_Next);
        });
  d.Add("install page", [] { return OnPage(4); }, [&d] {
    StatusFormDialog* w = ShownWizard();
    d.Screenshot(w, "update4-install");
    d.Click(w->Button_Next);
  });
  d.Add("installation prepared", [] { return OnPage(5); }, [this, &d] {
    StatusFormDialog* w = ShownWizard();
    d.Expect(Label(w->Button_Next) == "Beenden", "Beenden");
    d.Screenshot(w, "update5-finish");
    Note("first-done");
    d.Click(w->Button_Next);
  });
}

void UpdateE2EApp::RestartedScript() {
  SmokeDriver& d = *driver_;
  d.describe = [] { return ShownWizard() != nullptr ? std::string("a wizard is shown") : std::string("no wizard"); };
  d.Add("restarted program shows its main window",
        [this] { return Program() != nullptr && Program()->MainWindow().IsShownOnScreen(); },
        [this] { mainShownAt_ = Steady::now(); });
  d.Add("no wizard for three seconds, the new container listed",
        [this, &d] {
          if (ShownWizard() != nullptr) d.Fail("the restarted program showed the update wizard");
          return Steady::now() - mainShownAt_ > std::chrono::seconds(3);
        },
        [this, &d] {
          Form1Frame& main = Program()->MainWindow();
          bool listed = false;
          for (int i = 0; i < main.ListView_ProgPath->GetItemCount(); ++i) {
            listed = listed || main.ListView_ProgPath->GetItemText(i) == "Neuigkeiten.zvq";
          }
          d.Expect(listed, "Neuigkeiten.zvq listed");
          d.Screenshot(&main, "update7-restarted");
        });
  // The key goes to the focused window; the window manager may hand the
  // focus over late, so it is pressed again until the wizard comes.
  d.Add("Ctrl+U shows the wizard",
        [this, &d] {
          if (OnPage(0)) return true;
          if (Steady::now() - keyAt_ > std::chrono::seconds(5)) {
            keyAt_ = Steady::now();
            Program()->MainWindow().Raise();
            Program()->MainWindow().SetFocus();
            d.Key('U', wxMOD_CONTROL);
          }
          return false;
        },
        [this, &d] {
          keyAt_ = Steady::now();
          d.Click(ShownWizard()->Button_Cancel);
        });
  // Likewise a click that came before the window manager had placed the
  // window is made again.
  d.Add("Abbrechen closes it",
        [this, &d] {
          StatusFormDialog* wizard = ShownWizard();
          if (wizard == nullptr) return true;
          if (Steady::now() - keyAt_ > std::chrono::seconds(5)) {
            keyAt_ = Steady::now();
            d.Click(wizard->Button_Cancel);
          }
          return false;
        },
        [this] {
    Note("second-done");
    Program()->MainWindow().Close();
  });
}

}  // namespace
}  // namespace sorvane::smoke

wxIMPLEMENT_APP(sorvane::smoke::UpdateE2EApp);
