// Before the wx headers, which bring <windows.h> and its macros on Windows.
#include "platform/NativeServices.h"
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

// The controls below parent whose font is parent's former one, and theirs
// in turn. A control with a font of its own keeps it, and so do the controls
// below it; windows of their own (dialogs the window owns) are left alone.
void SetFontBelow(wxWindow& parent, const wxFont& before, const wxFont& font) {
  for (wxWindow* child : parent.GetChildren()) {
    if (child->IsTopLevel() || child->GetFont() != before) continue;
    SetFontBelow(*child, before, font);
    child->SetFont(font);
  }
}

}  // namespace

WxApplicationControl::WxApplicationControl() { Register(); }

void WxApplicationControl::Terminate() {
  if (terminated_) return;
  terminated_ = pending_ = true;
  if (wxTheApp->IsMainLoopRunning()) EndWhenIdle();
}

void WxApplicationControl::MainLoopStarts() {
  if (pending_) EndWhenIdle();
}

void WxApplicationControl::EndWhenIdle() {
  // Queued: it runs when the loop does.
  wxTheApp->CallAfter([this] {
    pending_ = false;
    if (main_ != nullptr) {
      main_->Close(true);
    } else {
      wxTheApp->ExitMainLoop();
    }
  });
}

int WxApplicationControl::Enter(wxDialog* /*dialog*/) { return pending_ ? wxID_CANCEL : wxID_NONE; }

void WxApplicationControl::Exit(wxDialog* /*dialog*/) {}

std::string WxApplicationWindows::MessageFontFace() {
  const std::string face = SystemMessageFontFace();
  if (!face.empty()) return face;
  // Without a message font of the system (X), dialogs use the desktop's
  // default font for controls.
  return Utf8(wxSystemSettings::GetFont(wxSYS_DEFAULT_GUI_FONT).GetFaceName());
}

int WxApplicationWindows::Count() { return static_cast<int>(wxTopLevelWindows.size()); }

int WxApplicationWindows::FontPointSize(int window) { return TopLevelWindow(window)->GetFont().GetPointSize(); }

void WxApplicationWindows::SetFontFace(int window, const std::string& face) {
  wxWindow* target = TopLevelWindow(window);
  const wxFont before = target->GetFont();
  wxFont font = before;
  font.SetFaceName(Wx(face));
  // A font set on a window reaches only the controls made after it; the
  // controls that took the window's font are given the new one here.
  SetFontBelow(*target, before, font);
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
