// The sorvane program as it starts, with one addition: it prints the steady
// clock's reading (ns) when the main window is first painted, then ends.
#include <unistd.h>
#include <wx/dcclient.h>
#include <wx/panel.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>

#include "gui/Form1Frame.h"
#include "gui/SorvaneApp.h"
#include "platform/posix/UserRegistry.h"

class StartupApp : public sorvane::SorvaneApp {
 public:
  bool OnInit() override {
    if (!SorvaneApp::OnInit()) return false;
    wxWindow* client = Program()->MainWindow().GetChildren().front();
    client->Bind(wxEVT_PAINT, [](wxPaintEvent& event) {
      std::printf("%lld\n", static_cast<long long>(std::chrono::steady_clock::now().time_since_epoch().count()));
      std::fflush(stdout);
      _exit(0);
      event.Skip();
    });
    return true;
  }
};

wxIMPLEMENT_APP_NO_MAIN(StartupApp);

int main(int argc, char** argv) {
  setenv("GSETTINGS_BACKEND", "memory", 0);
  // The program's registry, desktop entry and engine libraries in a folder
  // of the benchmark's, whose "NoUpdate" keeps the update wizard of a first
  // start away: the start-up is timed to the main window.
  const std::string work = "/tmp/sorvane-startup-bench";
  setenv("ORVEL_REGISTRY_DIR", (work + "/registry").c_str(), 1);
  setenv("XDG_DATA_HOME", (work + "/data").c_str(), 1);
  setenv("ORVEL_SYSTEM_DIR", (work + "/system").c_str(), 1);
  {
    const auto store = sorvane::OpenUserRegistryStore();
    store->CreateKey(sorvane::RegistryRoot::LocalMachine, "Software\\Orvel\\Sorvane");
    store->WriteValue(sorvane::RegistryRoot::LocalMachine, "Software\\Orvel\\Sorvane", "NoUpdate",
                      {sorvane::RegistryType::String, ""});
  }
  return wxEntry(argc, argv);
}
