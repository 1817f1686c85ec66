// Runs the real program under an X server through a long extraction of many
// small members: the overwrite question answered "Ja, alle", the progress
// window shown, "Abbrechen" clicked. The members written before the stop
// stay, none after it is written, and the windows are as before.
// Screenshots go to the artifact folder given as argument.
#include <gtk/gtk.h>
#include <stdlib.h>
#include <wx/button.h>
#include <wx/gauge.h>
#include <wx/radiobut.h>
#include <wx/simplebook.h>
#include <wx/stattext.h>

#include <chrono>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <sstream>

#include "SmokeChooserGtk.h"
#include "SmokeDriver.h"
#include "container/ContainerWriter.h"
#include "gui/ExtractFormDialog.h"
#include "gui/Form1Frame.h"
#include "gui/SorvaneApp.h"
#include "gui/WxText.h"
#include "platform/posix/PosixFileSystem.h"

// Last: Xlib's macros (None, Status, ...) would rewrite names above.
#include <X11/extensions/XTest.h>
#include <gdk/gdkx.h>

namespace sorvane::smoke {
namespace {

namespace fs = std::filesystem;

// Enough for some seconds of writing even where creating a file costs only
// microseconds, so the stop comes long before the end.
constexpr int kMembers = 200000;

std::string MemberName(int i) {
  char name[32];
  std::snprintf(name, sizeof name, "datei-%06d.txt", i);
  return name;
}

class ExtractSmokeApp : public SorvaneApp {
 public:
  bool OnInit() override;
  int OnRun() override {
    SorvaneApp::OnRun();
    return driver_->Done() && stopped_ ? 0 : 1;
  }
  int OnExit() override {
    std::error_code ignored;
    fs::remove_all(work_, ignored);
    return SorvaneApp::OnExit();
  }

 protected:
  ProgramFile& TheProgramFile() override { return programFile_; }
  // The container opens from the command line, straight on the login page.
  std::string FirstArgument() override { return (work_ / "Programm" / "Lang.zvq").string(); }

 private:
  void Script();
  // Runs from GLib's own timer, which also fires while the extraction lets
  // window events run (wx keeps its timers back then).
  static gboolean Watch(gpointer self);
  void WatchProgress();

  FixedProgramFile programFile_;
  fs::path work_, out_;
  std::unique_ptr<SmokeDriver> driver_;
  std::chrono::steady_clock::time_point seen_{};
  bool stopped_ = false;
};

bool ExtractSmokeApp::OnInit() {
  if (argc < 2) return false;
  char pattern[] = "/tmp/sorvane-extract-smoke-XXXXXX";
  work_ = mkdtemp(pattern);
  out_ = work_ / "Ausgabe";
  fs::create_directories(work_ / "Programm");
  fs::create_directories(out_);
  setenv("ORVEL_REGISTRY_DIR", (work_ / "registry").c_str(), 1);
  setenv("XDG_DATA_HOME", (work_ / "data").c_str(), 1);
  KeepUpdateWizardAway();
  programFile_.path = (work_ / "Programm" / "sorvane").string();
  {
    PosixFileSystem files;
    auto container = files.Create((work_ / "Programm" / "Lang.zvq").string());
    ContainerWriter writer(*container, 1);
    for (int i = 0; i < kMembers; ++i) writer.AddMember(MemberName(i), {1}, std::string(1, 'a' + i % 26));
    writer.Finish({{"", "", 0}}, "Lang", "Test");
  }
  // The first member brings the question; the sixth is there too and is
  // overwritten without one.
  std::ofstream(out_ / MemberName(0)) << "alt";
  std::ofstream(out_ / MemberName(5)) << "alt";
  driver_ = std::make_unique<SmokeDriver>(Utf8(argv[1]));
  if (!SorvaneApp::OnInit()) return false;
  Script();
  driver_->Run();
  g_timeout_add(20, &ExtractSmokeApp::Watch, this);
  return true;
}

gboolean ExtractSmokeApp::Watch(gpointer self) {
  auto* app = static_cast<ExtractSmokeApp*>(self);
  app->WatchProgress();
  return app->stopped_ ? G_SOURCE_REMOVE : G_SOURCE_CONTINUE;
}

void ExtractSmokeApp::WatchProgress() {
  if (Program() == nullptr) return;
  ExtractFormDialog& progress = Program()->ProgressWindow();
  Form1Frame& main = Program()->MainWindow();
  SmokeDriver& d = *driver_;
  if (!progress.IsShownOnScreen()) return;
  const auto now = std::chrono::steady_clock::now();
  if (seen_ == std::chrono::steady_clock::time_point()) seen_ = now;
  // Shown a while, so that it has painted.
  if (now - seen_ < std::chrono::milliseconds(400)) return;
  std::printf("smoke: progress window\n");
  d.Expect(!main.IsEnabled(), "the main window disabled while members are written");
  d.Expect(Utf8(progress.GetTitle()) == "Dateien extrahieren", "the progress window's caption");
  const std::string file = Utf8(progress.Label_File->GetLabelText());
  const std::string counts = Utf8(progress.Label_Count->GetLabelText());
  d.Expect(file.rfind("datei-", 0) == 0, "the member being written: " + file);
  d.Expect(counts.find(" von " + std::to_string(kMembers) + " Dateien, ") != std::string::npos, "the counts: " + counts);
  d.Expect(progress.ProgressBar->GetValue() < 1000, "the bar under way");
  d.Expect(progress.Button_Cancel->IsEnabled(), "Abbrechen enabled");
  d.Screenshot(&progress, "progress-window");
  // A click as a person makes it, through the X server: wx's simulator
  // would yield again inside the extraction's own yield.
  Display* display = GDK_DISPLAY_XDISPLAY(gdk_display_get_default());
  const wxPoint centre = progress.Button_Cancel->GetScreenRect().GetPosition() + progress.Button_Cancel->GetSize() / 2;
  XTestFakeMotionEvent(display, -1, centre.x, centre.y, CurrentTime);
  XTestFakeButtonEvent(display, 1, True, CurrentTime);
  XTestFakeButtonEvent(display, 1, False, CurrentTime);
  XFlush(display);
  stopped_ = true;
}

void ExtractSmokeApp::Script() {
  SmokeDriver& d = *driver_;
  Form1Frame* main = &Program()->MainWindow();
  ExtractFormDialog* progress = &Program()->ProgressWindow();
  const auto page = [main] { return main->Notebook->GetSelection(); };
  d.describe = [=] {
    return "page " + std::to_string(page()) + ", main window " + (main->IsEnabled() ? "enabled" : "disabled") +
           ", progress window " + (progress->IsShown() ? "shown" : "hidden");
  };
  d.Add("login page", [=] { return page() == 1 && main->IsEnabled(); }, [=, &d] { d.Click(main->RadioButton_Guest); });
  d.Add("guest chosen", [=] { return main->Button_Next->IsEnabled(); }, [&d] { d.Key(WXK_RETURN); });
  d.Add("members on page 2", [=] { return page() == 2; }, [&d] { d.Key('A', wxMOD_ALT); });
  d.Add("all ticked", [=] { return main->Button_Extract->IsEnabled(); }, [=, &d] { d.Click(main->Button_Extract); });
  d.Add("folder browser", [] { return ShownFolderChooser() != nullptr && !ChooserFolder(ShownFolderChooser()).empty(); },
        [this, &d] {
          d.Key('L', wxMOD_CONTROL);
          d.Type(out_.c_str());
          d.Key(WXK_RETURN);
        });
  d.Add("overwrite question for the first member", [] { return ShownWindowTitled(Wx("Warnung")) != nullptr; },
        [&d] { d.Click(FindChild<wxButton>(ShownWindowTitled(Wx("Warnung")), Wx("Ja, alle"))); });
  d.Add("extraction stopped", [=, this] { return stopped_ && main->IsEnabled() && !progress->IsShown(); },
        [=, this, &d] {
          // The members are written in list order: those before the stop
          // are there, in full, and none after it.
          int written = 0;
          while (written < kMembers && fs::exists(out_ / MemberName(written))) ++written;
          d.Expect(written > 5 && written < kMembers, "stopped after " + std::to_string(written) + " members");
          int after = 0;
          for (const auto& entry : fs::directory_iterator(out_)) after += entry.path().filename() >= MemberName(written);
          d.Expect(after == 0, "nothing written after the stop");
          d.Expect(ReadWholeFile(out_ / MemberName(0)) == "a" && ReadWholeFile(out_ / MemberName(5)) == "f",
                   "both files that were there overwritten, the question asked once");
          d.Expect(ReadWholeFile(out_ / MemberName(written - 1)) == std::string(1, 'a' + (written - 1) % 26),
                   "the last member before the stop written in full");
          d.Expect(ShownWindowTitled(Wx("Sorvane")) == nullptr, "no message");
          d.Expect(page() == 2, "the page stays");
          d.Screenshot(main, "after-stop");
          d.Click(main->Button_Next);
        });
}

}  // namespace
}  // namespace sorvane::smoke

wxIMPLEMENT_APP(sorvane::smoke::ExtractSmokeApp);
