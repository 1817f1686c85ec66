#include "gui/InfoDialog.h"

#include <wx/button.h>
#include <wx/dcclient.h>
#include <wx/generic/stattextg.h>
#include <wx/image.h>
#include <wx/panel.h>
#include <wx/settings.h>

#include "app/DefaultErrorDisplay.h"
#include "forms/TInfo.h"
#include "gui/WxText.h"

namespace sorvane {
namespace {

constexpr int kWidth = 435;
constexpr int kHeight = 132;
constexpr int kStripHeight = 65;

wxColour WxColor(Color color) { return wxColour(RedOf(color), GreenOf(color), BlueOf(color)); }

// The labels' own font: "MS Sans Serif" at 8 points, which the desktop
// stands in for with its sans-serif face.
wxFont LabelFont() { return wxFont(wxFontInfo(8).Family(wxFONTFAMILY_SWISS).FaceName("MS Sans Serif")); }

// The paint box while it paints: the strip's pixels go on as one picture,
// the texts in the box's font without background.
class WxLogoCanvas final : public LogoCanvas {
 public:
  WxLogoCanvas(wxWindow& box, wxDC& dc) : box_(box), dc_(dc), regular_(box.GetFont()), bold_(regular_.Bold()) {
    dc_.SetBackgroundMode(wxBRUSHSTYLE_TRANSPARENT);
    dc_.SetTextForeground(box.GetForegroundColour());
  }
  std::int32_t Width() override { return box_.GetClientSize().x; }
  std::int32_t Height() override { return box_.GetClientSize().y; }
  Color BoxColor() override {
    const wxColour c = box_.GetBackgroundColour();
    return MakeColor(c.Red(), c.Green(), c.Blue());
  }
  std::int32_t TextHeight(const std::string& text, bool bold) override {
    dc_.SetFont(bold ? bold_ : regular_);
    return dc_.GetTextExtent(Wx(text)).y;
  }
  void DrawPixels(const PixelBuffer& pixels) override {
    if (pixels.Width <= 0 || pixels.Height <= 0) return;
    wxImage image(pixels.Width, pixels.Height, const_cast<unsigned char*>(pixels.Rgb.data()), true);
    dc_.DrawBitmap(wxBitmap(image), 0, 0);
  }
  void DrawText(std::int32_t x, std::int32_t y, const std::string& text, bool bold) override {
    dc_.SetFont(bold ? bold_ : regular_);
    dc_.DrawText(Wx(text), x, y);
  }

 private:
  wxWindow& box_;
  wxDC& dc_;
  wxFont regular_, bold_;
};

// Keeps a self-sizing label's right edge where it was designed.
void PlaceRightAligned(wxWindow* label, int right, int top) {
  const wxSize size = label->GetBestSize();
  label->SetSize(right - size.x, top, size.x, size.y);
}

}  // namespace

InfoDialog::InfoDialog(wxWindow* parent, Dialogs& dialogs)
    : wxDialog(parent, wxID_ANY, wxString(), wxDefaultPosition, wxDefaultSize, wxCAPTION | wxSYSTEM_MENU | wxCLOSE_BOX),
      dialogs_(dialogs) {
  // The window's font: 8 points; creating the box gives it the face of the
  // system's message font (TInfo::UseSystemMessageFont).
  SetFont(wxFont(wxFontInfo(8).Family(wxFONTFAMILY_SWISS)));
  SetClientSize(kWidth, kHeight);
  LogoPB = new wxPanel(this, wxID_ANY, wxPoint(0, 0), wxSize(kWidth, kStripHeight));
  LogoPB->SetBackgroundStyle(wxBG_STYLE_PAINT);
  LogoPB->Bind(wxEVT_PAINT, [this](wxPaintEvent&) { PaintLogo(); });

  InfoLbl = new wxGenericStaticText(this, wxID_ANY, wxString(), wxPoint(0, 69));
  InfoLbl->SetFont(LabelFont());
  InfoLbl->SetForegroundColour(wxSystemSettings::GetColour(wxSYS_COLOUR_WINDOWTEXT));
  OK = new wxButton(this, wxID_OK, Wx("OK"), wxPoint(177, 101), wxSize(81, 25));
  OK->SetDefault();
  SetAffirmativeId(wxID_OK);
  SetEscapeId(wxID_OK);
  EMailLbl = new wxGenericStaticText(this, wxID_ANY, wxString(), wxPoint(0, 100));
  URLLbl = new wxGenericStaticText(this, wxID_ANY, wxString(), wxPoint(0, 113));
  BindLink(EMailLbl, InfoLabel::EMailLbl);
  BindLink(URLLbl, InfoLabel::URLLbl);
  Centre(wxBOTH);
}

InfoDialog::~InfoDialog() {
  if (info_ != nullptr) info_->FormDestroy();
}

void InfoDialog::BindLink(wxGenericStaticText* label, InfoLabel which) {
  label->SetFont(LabelFont());
  label->SetForegroundColour(*wxBLUE);
  label->SetCursor(wxCursor(wxCURSOR_HAND));
  const auto forward = [this](std::function<void(TInfo&)> handler) {
    if (info_ != nullptr) RunHandler(dialogs_, [&] { handler(*info_); });
  };
  label->Bind(wxEVT_ENTER_WINDOW, [=](wxMouseEvent&) { forward([=](TInfo& i) { i.HyperLinkMouseEnter(which); }); });
  label->Bind(wxEVT_LEAVE_WINDOW, [=](wxMouseEvent&) { forward([=](TInfo& i) { i.HyperLinkMouseLeave(which); }); });
  // The second press of a double click comes as a double click of its own
  // (the toolkit may drop its plain press): it colours the link like any
  // press, but only a plain left press and its release make a click.
  for (const auto down : {wxEVT_LEFT_DOWN, wxEVT_MIDDLE_DOWN, wxEVT_RIGHT_DOWN, wxEVT_LEFT_DCLICK, wxEVT_MIDDLE_DCLICK,
                          wxEVT_RIGHT_DCLICK}) {
    label->Bind(down, [=, this](wxMouseEvent& event) {
      if (event.GetEventType() == wxEVT_LEFT_DOWN) pressedLink_ = label;
      if (event.GetEventType() == wxEVT_LEFT_DCLICK) pressedLink_ = nullptr;
      forward([=](TInfo& i) { i.HyperLinkMouseDown(which); });
      event.Skip();
    });
  }
  for (const auto up : {wxEVT_MIDDLE_UP, wxEVT_RIGHT_UP}) {
    label->Bind(up, [=](wxMouseEvent&) { forward([=](TInfo& i) { i.HyperLinkMouseUp(which); }); });
  }
  // A left button pressed and released over the label is its click.
  label->Bind(wxEVT_LEFT_UP, [=, this](wxMouseEvent& event) {
    const bool click = pressedLink_ == label && wxRect(label->GetClientSize()).Contains(event.GetPosition());
    pressedLink_ = nullptr;
    forward([=](TInfo& i) { i.HyperLinkMouseUp(which); });
    if (click) forward([=](TInfo& i) { which == InfoLabel::EMailLbl ? i.EMailLblClick() : i.URLLblClick(); });
  });
}

void InfoDialog::PaintLogo() {
  wxPaintDC dc(LogoPB);
  if (info_ == nullptr) return;
  WxLogoCanvas canvas(*LogoPB, dc);
  RunHandler(dialogs_, [&] { info_->LogoPBPaint(canvas); });
}

wxGenericStaticText* InfoDialog::LabelOf(InfoLabel label) {
  switch (label) {
    case InfoLabel::InfoLbl: return InfoLbl;
    case InfoLabel::EMailLbl: return EMailLbl;
    case InfoLabel::URLLbl: return URLLbl;
  }
  return InfoLbl;
}

void InfoDialog::SetCaption(const std::string& caption) { SetTitle(Wx(caption)); }

void InfoDialog::RunModal() {
  LogoPB->Refresh();
  ShowModal();
}

void InfoDialog::SetLabelText(InfoLabel label, const std::string& text) {
  wxGenericStaticText* control = LabelOf(label);
  const int right = label == InfoLabel::InfoLbl ? 430 : 432;
  control->SetLabel(Wx(text));
  PlaceRightAligned(control, right, control->GetPosition().y);
}

void InfoDialog::SetLabelUnderlined(InfoLabel label, bool underlined) {
  wxGenericStaticText* control = LabelOf(label);
  wxFont font = control->GetFont();
  font.SetUnderlined(underlined);
  control->SetFont(font);
  control->Refresh();
}

void InfoDialog::SetLabelColor(InfoLabel label, Color color) {
  LabelOf(label)->SetForegroundColour(WxColor(color));
  LabelOf(label)->Refresh();
}

}  // namespace sorvane
