// Runs the real program under an X server with a private registry and data
// folder (ORVEL_REGISTRY_DIR, XDG_DATA_HOME, set by setup-smoke.sh), in one
// of three ways given as argument:
//   start   a normal start: the uninstall entry, the desktop entry and the
//           .zvq file type are written; the About box shows the logo strip as
//           painted, in the message font's face down to its controls, and a
//           double click on a link opens it once (the opener on PATH logs to
//           SORVANE_SMOKE_OPENED).
//   no      started with /uninstall, answered "&Nein": nothing changes.
//   yes     started with /uninstall, answered "&Ja": entry, settings, the
//           desktop entry and the file type go, nothing else.
// With "due" after the way, the update check is due (no "NoUpdate"); an
// uninstall run never shows the update wizard, whatever the answer.
// Usage: setup_smoke ARTIFACT_FOLDER start|no|yes [due]
#include <wx/bmpbuttn.h>
#include <wx/button.h>
#include <wx/panel.h>

#include <wx/generic/stattextg.h>
#include <wx/settings.h>

#include <chrono>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <map>
#include <set>
#include <sstream>

#include "LogoStripCheck.h"
#include "SmokeDriver.h"
#include "gui/Form1Frame.h"
#include "gui/InfoDialog.h"
#include "gui/SorvaneApp.h"
#include "gui/StatusFormDialog.h"
#include "gui/WxText.h"
#include "platform/posix/PosixProgramFile.h"
#include "platform/posix/UserRegistry.h"

namespace sorvane::smoke {
namespace {

namespace fs = std::filesystem;

constexpr char kEntryKey[] = "SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\Uninstall\\Sorvane";

std::string Environment(const char* name) {
  const char* value = std::getenv(name);
  return value != nullptr ? value : "";
}

// name=data for every value of key; dwords as numbers.
std::map<std::string, std::string> Values(RegistryStore& store, RegistryRoot root, const std::string& key) {
  std::map<std::string, std::string> values;
  for (const std::string& name : store.ValueNames(root, key)) {
    const RegistryValue value = *store.ReadValue(root, key, name);
    values[name] = value.type == RegistryType::DWord ? "dword:" + std::to_string(int(value.data[0])) : value.data;
  }
  return values;
}

std::set<std::string> FilesBelow(const fs::path& folder) {
  std::set<std::string> files;
  for (const auto& entry : fs::recursive_directory_iterator(folder)) {
    if (entry.is_regular_file()) files.insert(entry.path().string());
  }
  return files;
}

class SetupSmokeApp : public SorvaneApp {
 public:
  bool OnInit() override;
  int OnRun() override;
  int FilterEvent(wxEvent& event) override;

 protected:
  std::string FirstArgument() override { return mode_ == "start" ? "" : "/uninstall"; }

 private:
  void StartSteps();
  void UninstallSteps();

  std::string mode_;
  fs::path data_;
  // This test program carries the program's version block.
  PosixProgramFile programFile_;
  std::unique_ptr<RegistryStore> store_;
  std::set<std::string> filesBefore_;
  std::unique_ptr<SmokeDriver> driver_;
  bool mainShown_ = false;
  bool wizardShown_ = false;
  std::chrono::steady_clock::time_point linkClicked_;
};

int SetupSmokeApp::FilterEvent(wxEvent& event) {
  if (event.GetEventType() == wxEVT_SHOW && static_cast<wxShowEvent&>(event).IsShown() &&
      dynamic_cast<StatusFormDialog*>(event.GetEventObject()) != nullptr) {
    wizardShown_ = true;
  }
  return SorvaneApp::FilterEvent(event);
}

bool SetupSmokeApp::OnInit() {
  if (argc < 3 || Environment("ORVEL_REGISTRY_DIR").empty() || Environment("XDG_DATA_HOME").empty()) return false;
  mode_ = Utf8(argv[2]);
  data_ = Environment("XDG_DATA_HOME");
  store_ = OpenUserRegistryStore();
  driver_ = std::make_unique<SmokeDriver>(Utf8(argv[1]));
  if (argc > 3 && Utf8(argv[3]) == "due") {
    store_->DeleteValue(RegistryRoot::LocalMachine, "Software\\Orvel\\Sorvane", "NoUpdate");
  } else {
    KeepUpdateWizardAway();
  }
  if (mode_ == "start") {
    StartSteps();
  } else {
    // Settings the update service keeps, which the uninstall removes.
    store_->CreateKey(RegistryRoot::CurrentUser, "SOFTWARE\\Orvel\\Sorvane");
    store_->WriteValue(RegistryRoot::CurrentUser, "SOFTWARE\\Orvel\\Sorvane", "NoUpdate", {RegistryType::String, ""});
    filesBefore_ = FilesBelow(data_.parent_path());
    UninstallSteps();
  }
  // The uninstall dialogue runs while the program is being made: the steps
  // must already be polling.
  driver_->Run();
  if (!SorvaneApp::OnInit()) return false;
  Program()->MainWindow().Bind(wxEVT_SHOW, [this](wxShowEvent& event) {
    mainShown_ = mainShown_ || event.IsShown();
    event.Skip();
  });
  return true;
}

void SetupSmokeApp::StartSteps() {
  SmokeDriver& d = *driver_;
  d.Add("main window shown", [this] { return Program() != nullptr && Program()->MainWindow().IsShownOnScreen(); },
        [this, &d] {
          const auto values = Values(*store_, RegistryRoot::LocalMachine, kEntryKey);
          const std::map<std::string, std::string> expected{
              {"DisplayName", "Sorvane"},
              {"DisplayIcon", programFile_.ProgramPath()},
              {"DisplayVersion", "1.0.0.0"},
              {"UninstallString", "\"" + programFile_.ProgramPath() + "\" /uninstall"},
              {"Publisher", "Orvel-Software"},
              {"URLInfoAbout", "http://www.orvel.example/Programme.htm"},
              {"URLUpdateInfo", "Strg+U im Programm dr\xFC" "cken"},
              {"HelpLink", "http://www.orvel.example/"},
              {"NoModify", "dword:1"},
              {"NoRepair", "dword:1"}};
          d.Expect(values == expected, "exactly the uninstall entry's ten values");
          const fs::path entry = data_ / "applications/orvel-sorvane.desktop";
          d.Expect(fs::exists(data_ / "icons/hicolor/32x32/apps/orvel-sorvane.png"), "the menu icon");
          d.Expect(std::system(("desktop-file-validate '" + entry.string() + "'").c_str()) == 0,
                   "a desktop entry that desktop-file-validate accepts");
          d.Expect(fs::exists(data_ / "mime/application/x-zvq.xml"), "the MIME database knows .zvq files");
          Form1Frame& main = Program()->MainWindow();
          d.Expect(main.SpeedButton_Open->GetScreenPosition().y == main.SpeedButton_Exit->GetScreenPosition().y,
                   "\"Öffnen\" and \"Beenden\" on one row");
          d.Click(main.SpeedButton_Info);
        });
  d.Add("About box shown",
        [this] { return ShownWindowTitled(Wx("Info über Sorvane")) == &Program()->AboutBox(); },
        [this, &d] {
          InfoDialog* box = &Program()->AboutBox();
          d.Expect(box->GetClientSize() == wxSize(435, 132), "client area 435 x 132");
          d.Expect(StripMatchesPainter(*box), "the strip on screen as the painter made it");
          const wxString face = wxSystemSettings::GetFont(wxSYS_DEFAULT_GUI_FONT).GetFaceName();
          d.Expect(box->OK->GetFont().GetFaceName() == face && box->LogoPB->GetFont().GetFaceName() == face,
                   "the message font's face on the About box's button and strip");
          d.Expect(Program()->Update().Window()->Button_Next->GetFont().GetFaceName() == face,
                   "the message font's face on the update wizard's buttons");
          d.Expect(box->InfoLbl->GetFont().GetFaceName() == "MS Sans Serif", "a label's own font kept");
          d.Screenshot(box, "about-box");
          linkClicked_ = std::chrono::steady_clock::now();
          d.DoubleClick(box->URLLbl);
        });
  // The opener runs detached: a second start would come within a second.
  d.Add("link opened",
        [this] {
          return !Environment("SORVANE_SMOKE_OPENED").empty() && fs::exists(Environment("SORVANE_SMOKE_OPENED")) &&
                 std::chrono::steady_clock::now() - linkClicked_ > std::chrono::seconds(2);
        },
        [&d] {
          std::ifstream log(Environment("SORVANE_SMOKE_OPENED"));
          std::ostringstream lines;
          lines << log.rdbuf();
          d.Expect(lines.str() == "http://www.orvel.example\n", "a double click opening the link once, not: " + lines.str());
          d.Key(WXK_RETURN);
        });
  d.Add("About box closed", [this] { return !Program()->AboutBox().IsShown(); },
        [this, &d] { d.Click(Program()->MainWindow().Button_Cancel); });
}

void SetupSmokeApp::UninstallSteps() {
  SmokeDriver& d = *driver_;
  d.Add("uninstall question", [] { return ShownWindowTitled(Wx("Warnung")) != nullptr; },
        [this, &d] {
          wxWindow* question = ShownWindowTitled(Wx("Warnung"));
          d.Screenshot(question, "uninstall-question");
          if (mode_ == "no") {
            d.Key(WXK_ESCAPE);
          } else {
            d.Key(WXK_RETURN);  // "&Ja" is the default button
          }
        });
  if (mode_ == "yes") {
    d.Add("closing message", [] { return ShownWindowTitled(Wx("Deinstallation abgeschlossen")) != nullptr; },
          [&d] {
            d.Screenshot(ShownWindowTitled(Wx("Deinstallation abgeschlossen")), "uninstall-done");
            d.Key(WXK_RETURN);
          });
  }
}

int SetupSmokeApp::OnRun() {
  const int status = SorvaneApp::OnRun();
  if (!driver_->Done()) return 1;
  if (mode_ == "start") return status;
  // The program ended by itself once its message loop ran.
  const bool yes = mode_ == "yes";
  SmokeDriver& d = *driver_;
  d.Expect(!mainShown_, "the main window never shown");
  d.Expect(!wizardShown_, "the update wizard never shown");
  d.Expect(store_->KeyExists(RegistryRoot::LocalMachine, kEntryKey) != yes, "the uninstall entry");
  d.Expect(store_->KeyExists(RegistryRoot::CurrentUser, "SOFTWARE\\Orvel\\Sorvane") != yes, "the user's settings");
  d.Expect(!yes || (store_->KeyExists(RegistryRoot::CurrentUser, "SOFTWARE\\Orvel") &&
                    store_->KeyExists(RegistryRoot::LocalMachine, "SOFTWARE\\Orvel")),
           "SOFTWARE\\Orvel kept (or made) in both roots");
  std::set<std::string> gone;
  const std::set<std::string> now = FilesBelow(data_.parent_path());
  const std::string package = (data_ / "mime/packages/orvel-sorvane.xml").string();
  const std::string database = (data_ / "mime/").string();
  for (const std::string& file : filesBefore_) {
    // The MIME database's own files follow its packages.
    const bool derived = file.rfind(database, 0) == 0 && file != package;
    if (!now.count(file) && file.find("/registry/") == std::string::npos && !derived) gone.insert(file);
  }
  const std::set<std::string> menuFiles{(data_ / "applications/orvel-sorvane.desktop").string(),
                                        (data_ / "icons/hicolor/32x32/apps/orvel-sorvane.png").string(),
                                        (data_ / "icons/hicolor/32x32/mimetypes/application-x-zvq.png").string(),
                                        package};
  d.Expect(gone == (yes ? menuFiles : std::set<std::string>{}),
           "only the desktop entry, the file type and their icons deleted");
  return status;
}

}  // namespace
}  // namespace sorvane::smoke

wxIMPLEMENT_APP(sorvane::smoke::SetupSmokeApp);
