// The Windows program's About box under Wine, with its real windows: the
// main window's "Info" button opens it; its client area is 435 x 132, its
// logo strip on screen is the painter's picture outside the texts, and the
// OK button and the strip have the face of the message font that
// SystemParametersInfoA(SPI_GETNONCLIENTMETRICS) reports, here set to
// "Courier New" for the run; Enter closes it.
// Usage: about_box_wine ARTIFACT_FOLDER
#include "platform/win32/WindowsApi.h"

#include <wx/bmpbuttn.h>
#include <wx/button.h>
#include <wx/panel.h>

#include <memory>

#include "../LogoStripCheck.h"
#include "../SmokeDriver.h"
#include "gui/Form1Frame.h"
#include "gui/InfoDialog.h"
#include "gui/SorvaneApp.h"
#include "gui/WxText.h"

namespace sorvane::smoke {
namespace {

// Asked here in the structure's current size, not in the program's way.
wxString SystemMessageFace() {
  NONCLIENTMETRICSA metrics{};
  metrics.cbSize = sizeof(metrics);
  if (!::SystemParametersInfoA(SPI_GETNONCLIENTMETRICS, sizeof(metrics), &metrics, 0)) return {};
  return wxString(metrics.lfMessageFont.lfFaceName, wxConvLibc);
}

// The message font becomes a face that no window of the program has by
// itself, so that only a face taken from the system can match it; for this
// session of the Wine server only (not written to the registry).
bool UseMessageFace(const char* face) {
  NONCLIENTMETRICSA metrics{};
  metrics.cbSize = sizeof(metrics);
  if (!::SystemParametersInfoA(SPI_GETNONCLIENTMETRICS, sizeof(metrics), &metrics, 0)) return false;
  lstrcpynA(metrics.lfMessageFont.lfFaceName, face, LF_FACESIZE);
  return ::SystemParametersInfoA(SPI_SETNONCLIENTMETRICS, sizeof(metrics), &metrics, 0);
}

class AboutBoxApp : public SorvaneApp {
 public:
  bool OnInit() override {
    if (argc < 2) return false;
    driver_ = std::make_unique<SmokeDriver>(Utf8(argv[1]));
    KeepUpdateWizardAway();
    SmokeDriver& d = *driver_;
    if (!UseMessageFace("Courier New")) d.Fail("cannot set the message font");
    d.Add("main window shown", [this] { return Program() != nullptr && Program()->MainWindow().IsShownOnScreen(); },
          [this, &d] { d.Click(Program()->MainWindow().SpeedButton_Info); });
    d.Add("About box shown", [this] { return ShownWindowTitled(Wx("Info über Sorvane")) == &Program()->AboutBox(); },
          [this, &d] {
            InfoDialog& box = Program()->AboutBox();
            d.Expect(box.GetClientSize() == wxSize(435, 132), "client area 435 x 132");
            d.Expect(StripMatchesPainter(box), "the strip on screen as the painter made it");
            const wxString face = SystemMessageFace();
            d.Expect(!face.empty(), "a message font from the system");
            d.Expect(box.OK->GetFont().GetFaceName() == face, "the message font's face on the OK button, not " +
                                                                  Utf8(box.OK->GetFont().GetFaceName()));
            d.Expect(box.LogoPB->GetFont().GetFaceName() == face, "the message font's face on the strip");
            d.Screenshot(&box, "about-box");
            d.Key(WXK_RETURN);
          });
    d.Add("About box closed", [this] { return !Program()->AboutBox().IsShown(); },
          [this, &d] { d.Click(Program()->MainWindow().Button_Cancel); });
    driver_->Run();
    return SorvaneApp::OnInit();
  }

  int OnRun() override {
    const int status = SorvaneApp::OnRun();
    return driver_->Done() ? status : 1;
  }

 protected:
  // The argument is the test's, not a container to open.
  std::string FirstArgument() override { return ""; }

 private:
  std::unique_ptr<SmokeDriver> driver_;
};

}  // namespace
}  // namespace sorvane::smoke

wxIMPLEMENT_APP(sorvane::smoke::AboutBoxApp);
