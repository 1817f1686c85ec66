// The peer of the start-up benchmark: the least a wxWidgets program does to
// show a window, one empty frame. Prints the steady clock's reading (ns)
// when the frame is first painted, then ends.
#include <unistd.h>
#include <wx/app.h>
#include <wx/dcclient.h>
#include <wx/frame.h>
#include <wx/panel.h>

#include <chrono>
#include <cstdio>

class PeerApp : public wxApp {
 public:
  bool OnInit() override {
    auto* frame = new wxFrame(nullptr, wxID_ANY, "Peer");
    auto* panel = new wxPanel(frame);
    frame->SetClientSize(570, 390);
    panel->Bind(wxEVT_PAINT, [panel](wxPaintEvent&) {
      wxPaintDC dc(panel);
      std::printf("%lld\n", static_cast<long long>(std::chrono::steady_clock::now().time_since_epoch().count()));
      std::fflush(stdout);
      _exit(0);
    });
    frame->Show();
    return true;
  }
};

wxIMPLEMENT_APP(PeerApp);
