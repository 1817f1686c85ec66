// Loading a container of 100,000 members through the real wait window, on
// an X server, against the same load without any window. The wait window's
// progress bar follows every member while pending events run only now and
// then (ThrottledPump), so the windows must cost little: at most twice the
// windowless time. Also prints what one "pending?" question and one yield
// cost here.
#include <stdlib.h>
#include <wx/app.h>
#include <wx/evtloop.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <filesystem>

#include "app/WizardLoadEffects.h"
#include "container/ContainerCatalogue.h"
#include "container/ContainerWriter.h"
#include "forms/TForm6.h"
#include "forms/ThrottledPump.h"
#include "platform/posix/Cp1252CodePage.h"
#include "platform/posix/PosixFileSystem.h"
#include "platform/posix/SteadyClock.h"
#include "platform/wx/Form1Frame.h"
#include "platform/wx/Form6Dialog.h"
#include "platform/wx/WxDialogs.h"
#include "platform/wx/WxEventQueue.h"

namespace sorvane {
namespace {

constexpr int kMembers = 100000;
constexpr int kRounds = 5;
using Clock = std::chrono::steady_clock;

double Seconds(Clock::duration d) { return std::chrono::duration<double>(d).count(); }

std::string WriteContainer(const std::filesystem::path& folder) {
  PosixFileSystem files;
  const std::string path = (folder / "Gross.zvq").string();
  auto out = files.Create(path);
  ContainerWriter writer(*out, 1);
  for (int i = 0; i < kMembers; ++i) writer.AddMember("Datei" + std::to_string(i) + ".txt", {1}, "Inhalt");
  writer.Finish({{"", "", 0}}, "Gross", "Bench");
  return path;
}

// Best of kRounds loads of path with effects.
double BestLoad(const std::string& path, LoadEffects& effects) {
  PosixFileSystem files;
  Cp1252CodePage codePage;
  double best = 1e9;
  for (int round = 0; round < kRounds; ++round) {
    ContainerCatalogue catalogue(files, codePage, effects);
    catalogue.ContainerPath = path;
    const auto start = Clock::now();
    catalogue.LoadCatalogue();
    best = std::min(best, Seconds(Clock::now() - start));
    if (catalogue.Members.size() != kMembers) std::exit(2);
  }
  return best;
}

class LoadBenchApp : public wxApp {
 public:
  bool OnInit() override {
    char pattern[] = "/tmp/sorvane-gui-bench-XXXXXX";
    folder_ = mkdtemp(pattern);
    path_ = WriteContainer(folder_);
    main_ = new Form1Frame(dialogs_);
    wait_ = new Form6Dialog(main_);
    main_->Show();
    // Measure inside the running loop, as a click on "Weiter" would.
    CallAfter([this] { Measure(); });
    return true;
  }

 private:
  void Measure() {
    NoLoadEffects none;
    const double plain = BestLoad(path_, none);

    WxEventQueue queue;
    SteadyClock clock;
    ThrottledPump pump(queue, clock);
    TForm6 form6(wait_->View());
    WizardLoadEffects effects(*main_, form6, pump);
    const double windowed = BestLoad(path_, effects);

    constexpr int kCalls = 20000;
    auto start = Clock::now();
    int pending = 0;
    for (int i = 0; i < kCalls; ++i) pending += queue.Pending() ? 1 : 0;
    const double pendingUs = Seconds(Clock::now() - start) / kCalls * 1e6;
    start = Clock::now();
    for (int i = 0; i < kCalls; ++i) queue.Yield();
    const double yieldUs = Seconds(Clock::now() - start) / kCalls * 1e6;

    const double ratio = windowed / plain;
    std::printf("gui_load: %d members, best of %d\n", kMembers, kRounds);
    std::printf("  load without windows (peer)      %8.3f s\n", plain);
    std::printf("  load through the wait window     %8.3f s\n", windowed);
    std::printf("  ratio                            %8.2f x   (limit 2.00 x: %s)\n", ratio,
                ratio <= 2.0 ? "within" : "OVER");
    std::printf("  one Pending() question           %8.2f us  (%d of %d answered yes)\n", pendingUs, pending,
                kCalls);
    std::printf("  one YieldFor(UI | user input)    %8.2f us\n", yieldUs);
    std::fflush(stdout);
    status_ = ratio <= 2.0 ? 0 : 1;
    std::filesystem::remove_all(folder_);
    main_->Destroy();
  }

 public:
  int OnRun() override {
    wxApp::OnRun();
    return status_;
  }

 private:
  WxDialogs dialogs_;
  std::filesystem::path folder_;
  std::string path_;
  Form1Frame* main_ = nullptr;
  Form6Dialog* wait_ = nullptr;
  int status_ = 1;
};

}  // namespace
}  // namespace sorvane

wxIMPLEMENT_APP(sorvane::LoadBenchApp);
