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
  return wxEntry(argc, argv);
}
