#include "gui/WxApplication.h"

#include <wx/app.h>
#include <wx/bitmap.h>
#include <wx/image.h>
#include <wx/settings.h>
#include <wx/toplevel.h>

#include <iterator>

#include "forms/art/ProgramArt.h"
#include "gui/WxText.h"

namespace sorvane {
namespace {

wxWindow* TopLevelWindow(int index) {
  auto it = wxTopLevelWindows.begin();
  std::advance(it, index);
  return *it;
}

}  // namespace

void WxApplicationControl::Terminate() {
  if (terminated_) return;
  terminated_ = true;
  // Queued: it runs when the message loop does.
  wxTheApp->CallAfter([this] {
    if (main_ != nullptr) {
      main_->Close(true);
    } else {
      wxTheApp->ExitMainLoop();
    }
  });
}

std::string WxApplicationWindows::MessageFontFace() {
  // GTK has no message font of its own: dialogs use the desktop's default
  // font for controls.
  return Utf8(wxSystemSettings::GetFont(wxSYS_DEFAULT_GUI_FONT).GetFaceName());
}

int WxApplicationWindows::Count() { return static_cast<int>(wxTopLevelWindows.size()); }

int WxApplicationWindows::FontPointSize(int window) { return TopLevelWindow(window)->GetFont().GetPointSize(); }

void WxApplicationWindows::SetFontFace(int window, const std::string& face) {
  wxWindow* target = TopLevelWindow(window);
  wxFont font = target->GetFont();
  font.SetFaceName(Wx(face));
  target->SetFont(font);
}

wxIcon ProgramWxIcon() {
  const IconPicture& icon = ProgramIcon();
  wxImage image(icon.Width, icon.Height);
  image.InitAlpha();
  for (int y = 0; y < icon.Height; ++y) {
    for (int x = 0; x < icon.Width; ++x) {
      const std::uint8_t* p = &icon.Rgba[(static_cast<std::size_t>(y) * icon.Width + x) * 4];
      image.SetRGB(x, y, p[0], p[1], p[2]);
      image.SetAlpha(x, y, p[3]);
    }
  }
  wxIcon result;
  result.CopyFromBitmap(wxBitmap(image));
  return result;
}

}  // namespace sorvane
