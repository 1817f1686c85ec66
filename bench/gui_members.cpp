// The program with a container of 1,000,000 members, all visible to the
// guest, in its folder, driven as a user would drive it: the load through
// the wait window ("Weiter" on page 0, beside the same load without
// windows), then "Weiter" on the login page until page 2 has drawn its
// list and the program is idle, then "&Alles auswählen" until the ticks are
// drawn. Prints the times against their limits and the program's peak
// memory.
//
// Usage: gui_members [FOLDER]
// FOLDER holds the program folder "Programm" with the container "Viele.zvq",
// written there when it is missing and left for the next run: the Linux
// and the Windows build (under Wine) measure the same file so. Without
// FOLDER, a temporary folder that goes at the end.
#include <wx/listctrl.h>
#include <wx/radiobut.h>
#include <wx/simplebook.h>
#include <wx/timer.h>

#include <chrono>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <functional>
#include <string>

#include "app/TForm1.h"
#include "container/ContainerCatalogue.h"
#include "container/ContainerWriter.h"
#include "gui/Form1Frame.h"
#include "gui/SorvaneApp.h"
#include "gui/ToolkitStart.h"
#include "gui_members_process.h"
#include "platform/Cp1252CodePage.h"
#include "platform/MemoryStream.h"
#include "platform/NativeServices.h"

namespace sorvane {
namespace {

constexpr int kMembers = 1'000'000;
constexpr double kPageLimit = 3.0;
constexpr double kSelectAllLimit = 1.0;
constexpr long kMemoryLimitKiB = 300 * 1000 * 1000 / 1024;
using Clock = std::chrono::steady_clock;

double Since(Clock::time_point start) { return std::chrono::duration<double>(Clock::now() - start).count(); }

class FixedProgramFile : public ProgramFile {
 public:
  std::string path;
  std::string ProgramPath() override { return path; }
};

void WriteContainer(const std::filesystem::path& path) {
  // Written in memory first: a million records of small writes each would
  // take the file system minutes; and under a name of its own first, so that
  // an interrupted run leaves no half container for the next.
  MemoryStream out;
  ContainerWriter writer(out, 1);
  char name[32];
  for (int i = 0; i < kMembers; ++i) {
    // Not in word order in the file, so that the sort has work to do.
    std::snprintf(name, sizeof name, "datei-%07lld.txt", static_cast<long long>(i) * 7919 % kMembers);
    writer.AddMember(name, {1}, "x");
  }
  writer.Finish({{"Gast", "", 0}}, "Viele", "Bench");
  std::filesystem::path part = path;
  part += ".part";
  std::ofstream(part, std::ios::binary) << out.Bytes();
  std::filesystem::rename(part, path);
}

// A new folder under the system's temporary folder.
std::filesystem::path NewTemporaryFolder() {
  const auto base = std::filesystem::temp_directory_path();
  for (auto stamp = Clock::now().time_since_epoch().count();; ++stamp) {
    const auto folder = base / ("sorvane-gui-members-" + std::to_string(stamp));
    if (std::filesystem::create_directory(folder)) return folder;
  }
}

// The member list's drawing area, where its paint events arrive.
wxWindow* EntryArea(wxListCtrl* list) {
  for (wxWindow* child : list->GetChildren()) {
    if (wxString(child->GetClassInfo()->GetClassName()) == "wxListMainWindow") return child;
  }
  return list;
}

class MembersBenchApp : public SorvaneApp {
 public:
  bool OnInit() override {
    // The program reads no argument of its own here (FirstArgument).
    keepWork_ = argc > 1;
    work_ = keepWork_ ? std::filesystem::path(argv[1].ToStdString()) : NewTemporaryFolder();
    std::filesystem::create_directories(work_ / "Programm");
    // A normal start registers the program: here in a registry of its own,
    // whose "NoUpdate" keeps the update wizard of a first start away.
    KeepSettingsIn(work_);
    {
      const auto store = OpenUserRegistryStore();
      store->CreateKey(RegistryRoot::LocalMachine, "Software\\Orvel\\Sorvane");
      store->WriteValue(RegistryRoot::LocalMachine, "Software\\Orvel\\Sorvane", "NoUpdate", {RegistryType::String, ""});
    }
    // The program's paths have "/" between folders on every system.
    programFile_.path = (work_ / "Programm" / "sorvane").generic_string();
    container_ = (work_ / "Programm" / "Viele.zvq").generic_string();
    if (!std::filesystem::exists(work_ / "Programm" / "Viele.zvq")) {
      WriteContainer(work_ / "Programm" / "Viele.zvq");
      ForgetPeakMemory();
    }
    if (!SorvaneApp::OnInit()) return false;
    // The first idle turn after a paint of the list: the page is drawn and
    // nothing else waits.
    Bind(wxEVT_IDLE, [this](wxIdleEvent& event) {
      if (lastPaint_ >= clicked_ && idle_ < lastPaint_) idle_ = Clock::now();
      event.Skip();
    });
    timer_.Bind(wxEVT_TIMER, [this](wxTimerEvent&) { OnTimer(); });
    CallAfter([this] { Load(); });
    return true;
  }

  int OnRun() override {
    SorvaneApp::OnRun();
    if (keepWork_) {
      for (const char* settings : {"registry", "data", "system"}) std::filesystem::remove_all(work_ / settings);
    } else {
      std::filesystem::remove_all(work_);
    }
    return status_;
  }

 protected:
  ProgramFile& TheProgramFile() override { return programFile_; }
  std::string FirstArgument() override { return {}; }

 private:
  Form1Frame& Main() { return Program()->MainWindow(); }
  TForm1& Form() { return Program()->TheWizard().Form1(); }

  void Load() {
    {
      const auto files = NewFileSystem();
      Cp1252CodePage codePage;
      NoLoadEffects none;
      ContainerCatalogue alone(*files, codePage, none);
      alone.ContainerPath = container_;
      const auto start = Clock::now();
      alone.LoadCatalogue();
      windowless_ = Since(start);
    }

    Main().ListView_ProgPath->SetItemState(0, wxLIST_STATE_SELECTED | wxLIST_STATE_FOCUSED,
                                           wxLIST_STATE_SELECTED | wxLIST_STATE_FOCUSED);
    Form().ListView_ProgPathSelectItem();
    const auto start = Clock::now();
    Form().Button_NextClick();
    load_ = Since(start);
    if (Form().PageIndex() != 1) return Fail("the container did not load");
    Main().RadioButton_Guest->SetValue(true);
    Form().RadioButton_LoggingIn();
    CallAfter([this] { LogIn(); });
  }

  void LogIn() {
    EntryArea(Main().ListView_Files)->Bind(wxEVT_PAINT, [this](wxPaintEvent& event) {
      lastPaint_ = Clock::now();
      wxWakeUpIdle();
      event.Skip();
    });
    clicked_ = Clock::now();
    lastPaint_ = {};
    Form().Button_NextClick();
    handler_ = Since(clicked_);
    if (Form().PageIndex() != 2 || Main().ListView_Files->GetItemCount() != kMembers) {
      return Fail("page 2 does not list every member");
    }
    WaitForPaint([this] {
      page2_ = std::chrono::duration<double>(lastPaint_ - clicked_).count();
      page2Idle_ = std::chrono::duration<double>(idle_ - clicked_).count();
      clicked_ = Clock::now();
      lastPaint_ = {};
      Form().Button_SelAllClick("Button_SelAll");
      selectHandler_ = Since(clicked_);
      WaitForPaint([this] {
        selectAll_ = std::chrono::duration<double>(lastPaint_ - clicked_).count();
        Report();
      });
    });
  }

  // Runs then once the list has painted after clicked_ and the program has
  // gone idle after that (or a minute has passed, which Report counts as a
  // failure).
  void WaitForPaint(std::function<void()> then) {
    pending_ = std::move(then);
    timer_.Start(5);
  }

  void OnTimer() {
    const bool idle = lastPaint_ >= clicked_ && idle_ >= lastPaint_;
    if (!pending_ || (!idle && Since(clicked_) < 60)) return;
    timer_.Stop();
    const std::function<void()> then = std::move(pending_);
    pending_ = nullptr;
    then();
  }

  void Report() {
    const long peak = PeakMemoryKiB();
    const bool painted = lastPaint_ >= clicked_;
    std::printf("gui_members: %d members visible to the guest\n", kMembers);
    std::printf("  load without windows (peer)            %8.3f s\n", windowless_);
    std::printf("  load through the wait window           %8.3f s\n", load_);
    std::printf("  \"Weiter\" on page 1 to page 2 drawn     %8.3f s   (handler %.3f s)\n", page2_, handler_);
    std::printf("  \"Weiter\" on page 1 to page 2 idle      %8.3f s   (limit %.1f s)\n", page2Idle_, kPageLimit);
    std::printf("  \"&Alles auswählen\" to ticks drawn      %8.3f s   (handler %.3f s; limit %.1f s)\n", selectAll_,
                selectHandler_, kSelectAllLimit);
    std::printf("  peak memory of the program             %8ld KiB (limit %ld KiB)\n", peak, kMemoryLimitKiB);
    std::fflush(stdout);
    status_ = painted && page2Idle_ <= kPageLimit && selectAll_ <= kSelectAllLimit && peak <= kMemoryLimitKiB ? 0 : 1;
    Main().Destroy();
  }

  void Fail(const char* why) {
    std::fprintf(stderr, "gui_members: %s\n", why);
    status_ = 2;
    Main().Destroy();
  }

  FixedProgramFile programFile_;
  std::filesystem::path work_;
  std::string container_;
  wxTimer timer_;
  std::function<void()> pending_;
  bool keepWork_ = false;
  Clock::time_point clicked_, lastPaint_, idle_;
  double windowless_ = 0, load_ = 0, handler_ = 0, page2_ = 0, page2Idle_ = 0, selectHandler_ = 0, selectAll_ = 0;
  int status_ = 1;
};

}  // namespace
}  // namespace sorvane

wxIMPLEMENT_APP_NO_MAIN(sorvane::MembersBenchApp);

int main(int argc, char** argv) {
  sorvane::PrepareToolkit();
  return wxEntry(argc, argv);
}
