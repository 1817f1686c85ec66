// Extracting many members through the real windows under an X server: the
// main window with every member ticked, "E&xtrahieren", the progress window
// and the message pump as the program runs them, against `tar -x` of the
// same files into a fresh folder on the same disk in the same run. Prints
// both times and their ratio (limit 2x), whether the progress window was
// shown, and the longest gap between two turns of the pump (limit 100 ms).
//
// Usage: gui_extract [MEMBERS]   (default 100000; members of 2 to 6 KiB)
// The folder browser is answered by the benchmark, every other dialog is
// the program's.
#include <stdlib.h>
#include <wx/app.h>
#include <wx/listctrl.h>
#include <wx/radiobut.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <string>

#include "app/Wizard.h"
#include "container/ContainerWriter.h"
#include "forms/ThrottledPump.h"
#include "gui/ExtractFormDialog.h"
#include "gui/Form1Frame.h"
#include "gui/Form6Dialog.h"
#include "gui/PendingViews.h"
#include "gui/SorvaneProgram.h"
#include "gui/WxDialogs.h"
#include "gui/WxEventQueue.h"
#include "platform/MemoryStream.h"
#include "platform/NativeServices.h"
#include "platform/SteadyClock.h"

namespace sorvane {
namespace {

namespace fs = std::filesystem;
using Steady = std::chrono::steady_clock;

constexpr double kRatioLimit = 2.0;
constexpr double kGapLimitMs = 100;

double Since(Steady::time_point start) { return std::chrono::duration<double>(Steady::now() - start).count(); }

std::string MemberName(int i) {
  char name[32];
  std::snprintf(name, sizeof name, "datei-%06d.dat", i);
  return name;
}

// 2 to 6 KiB, spread over the range, each member's bytes its own.
std::string MemberBytes(int i) {
  std::string bytes(2048 + static_cast<std::size_t>(i) * 7919 % 4097, '\0');
  for (std::size_t k = 0; k < bytes.size(); ++k) bytes[k] = static_cast<char>(i * 31 + k * 7);
  return bytes;
}

class FixedProgramFile : public ProgramFile {
 public:
  std::string path;
  std::string ProgramPath() override { return path; }
};

// The program's dialogs, with the folder browser answered at once.
class AnsweringDialogs : public WxDialogs {
 public:
  std::string folder;
  std::optional<std::string> BrowseFolder(const std::string&, const std::string&, const std::string&, bool,
                                          bool) override {
    return folder;
  }
};

// The window system's queue, timing the gaps between the turns that let
// events run.
class TimedQueue : public EventQueue {
 public:
  explicit TimedQueue(EventQueue& queue) : queue_(queue) {}
  bool Pending() override { return queue_.Pending(); }
  void Yield() override {
    Mark();
    ++turns;
    queue_.Yield();
    last_ = Steady::now();
  }
  void Start() {
    last_ = Steady::now();
    longest = {};
    turns = 0;
  }
  void Mark() { longest = std::max(longest, Steady::now() - last_); }
  Steady::duration longest{};
  long turns = 0;

 private:
  EventQueue& queue_;
  Steady::time_point last_;
};

class ExtractBenchApp : public wxApp {
 public:
  bool OnInit() override {
    members_ = argc > 1 ? std::atoi(argv[1].ToStdString().c_str()) : 100000;
    char pattern[] = "/tmp/sorvane-gui-extract-XXXXXX";
    work_ = mkdtemp(pattern);
    Prepare();
    programFile_.path = (work_ / "Programm" / "sorvane").string();
    main_ = new Form1Frame(dialogs_);
    wizard_ = std::make_unique<Wizard>(services_, *main_, previewView_, waitView_, progressView_, pump_, clock_);
    main_->Attach(wizard_->Form1());
    wait_ = new Form6Dialog(main_);
    waitView_.Bind(wait_->View());
    progress_ = new ExtractFormDialog(main_);
    progressView_.Bind(progress_->View());
    progress_->SetCancel([this] { wizard_->ExtractForm().Button_CancelClick(); });
    progress_->Bind(wxEVT_SHOW, [this](wxShowEvent& event) {
      shown_ |= event.IsShown();
      event.Skip();
    });
    wizard_->Create();
    main_->Show();
    CallAfter([this] { Measure(); });
    return true;
  }

  int OnRun() override {
    wxApp::OnRun();
    std::error_code ignored;
    fs::remove_all(work_, ignored);
    return status_;
  }

 private:
  // The container in the program folder, and the same files in a tar
  // archive for the peer.
  void Prepare() {
    fs::create_directories(work_ / "Programm");
    fs::create_directories(work_ / "Dateien");
    MemoryStream out;
    ContainerWriter writer(out, 1);
    for (int i = 0; i < members_; ++i) {
      const std::string bytes = MemberBytes(i);
      writer.AddMember(MemberName(i), {1}, bytes);
      std::ofstream(work_ / "Dateien" / MemberName(i), std::ios::binary) << bytes;
    }
    writer.Finish({{"", "", 0}}, "Viele", "Bench");
    std::ofstream(work_ / "Programm" / "Viele.zvq", std::ios::binary) << out.Bytes();
    const std::string tar = "tar -cf '" + (work_ / "Dateien.tar").string() + "' -C '" + (work_ / "Dateien").string() + "' .";
    if (std::system(tar.c_str()) != 0) std::exit(2);
    fs::remove_all(work_ / "Dateien");
  }

  double TarExtract() {
    fs::create_directories(work_ / "tar");
    std::system("sync");
    const auto start = Steady::now();
    const std::string tar = "tar -xf '" + (work_ / "Dateien.tar").string() + "' -C '" + (work_ / "tar").string() + "'";
    if (std::system(tar.c_str()) != 0) std::exit(2);
    return Since(start);
  }

  void Measure() {
    TForm1& form = wizard_->Form1();
    main_->ListView_ProgPath->SetItemState(0, wxLIST_STATE_SELECTED, wxLIST_STATE_SELECTED);
    form.ListView_ProgPathSelectItem();
    form.Button_NextClick();
    main_->RadioButton_Guest->SetValue(true);
    form.RadioButton_LoggingIn();
    form.Button_NextClick();
    if (form.PageIndex() != 2) return Fail("the guest's members are not listed");
    form.Button_SelAllClick("Button_SelAll");

    const double peer = TarExtract();
    dialogs_.folder = (work_ / "Ausgabe").string();
    fs::create_directories(dialogs_.folder);
    std::system("sync");
    timed_.Start();
    const auto start = Steady::now();
    form.Button_ExtractClick();
    const double extract = Since(start);
    timed_.Mark();

    int written = 0;
    for (int i = 0; i < members_; ++i) {
      std::ifstream file(work_ / "Ausgabe" / MemberName(i), std::ios::binary);
      const std::string bytes((std::istreambuf_iterator<char>(file)), std::istreambuf_iterator<char>());
      written += bytes == MemberBytes(i) ? 1 : 0;
    }
    const double ratio = extract / peer;
    const double gapMs = std::chrono::duration<double, std::milli>(timed_.longest).count();
    std::printf("gui_extract: %d members of 2 to 6 KiB, all ticked, \"E&xtrahieren\"\n", members_);
    std::printf("  tar -x of the same files (peer)        %8.3f s\n", peer);
    std::printf("  \"E&xtrahieren\" to the last file        %8.3f s   (%.2f x; limit %.1f x)\n", extract, ratio,
                kRatioLimit);
    std::printf("  members written and equal              %8d of %d\n", written, members_);
    std::printf("  progress window shown                  %8s\n", shown_ ? "yes" : "NO");
    std::printf("  longest gap between pump turns         %8.1f ms  (limit %.0f ms; %ld turns)\n", gapMs,
                kGapLimitMs, timed_.turns);
    std::fflush(stdout);
    status_ = written == members_ && shown_ && ratio <= kRatioLimit && gapMs <= kGapLimitMs ? 0 : 1;
    main_->Destroy();
  }

  void Fail(const char* why) {
    std::fprintf(stderr, "gui_extract: %s\n", why);
    status_ = 2;
    main_->Destroy();
  }

  int members_ = 0;
  fs::path work_;
  FixedProgramFile programFile_;
  std::unique_ptr<FileSystem> files_ = NewFileSystem();
  AnsweringDialogs dialogs_;
  std::unique_ptr<Shell> shell_ = NewShell();
  std::unique_ptr<SystemFolders> folders_ = NewSystemFolders();
  std::unique_ptr<Locale> locale_ = NewLocale();
  std::unique_ptr<CodePage> codePage_ = NewCodePage();
  std::unique_ptr<PictureDecoder> decoder_ = NewPictureDecoder();
  WizardServices services_{*files_, dialogs_, *shell_, *folders_, *locale_, *codePage_, programFile_, *decoder_};
  WxEventQueue queue_;
  TimedQueue timed_{queue_};
  SteadyClock clock_;
  ThrottledPump pump_{timed_, clock_, SorvaneProgram::kPumpIntervalMs};
  PendingForm5View previewView_;
  PendingForm6View waitView_;
  PendingExtractFormView progressView_;
  std::unique_ptr<Wizard> wizard_;
  Form1Frame* main_ = nullptr;
  Form6Dialog* wait_ = nullptr;
  ExtractFormDialog* progress_ = nullptr;
  bool shown_ = false;
  int status_ = 1;
};

}  // namespace
}  // namespace sorvane

wxIMPLEMENT_APP(sorvane::ExtractBenchApp);
