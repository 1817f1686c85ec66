#include "forms/TInfo.h"

namespace sorvane {
namespace {

constexpr Color kLinkColor = MakeColor(0, 0, 255);
constexpr Color kLinkPressedColor = MakeColor(255, 0, 0);
constexpr int kShowNormal = 1;

}  // namespace

TInfo::TInfo(InfoView& view, const InfoServices& services) : view_(view), services_(services) {}

void TInfo::ShowInfo(const std::string& title, const std::string& developmentTime, const IconPicture& icon) {
  appTitle_ = title;
  developmentTime_ = developmentTime;
  appIcon_ = &icon;
  view_.SetCaption("Info über " + appTitle_);
  view_.RunModal();
}

void TInfo::FormCreate() {
  UseSystemMessageFont();
  logo_ = services_.bitmaps.LoadBitmap("LOGO");
  view_.SetLabelText(InfoLabel::InfoLbl, std::string("Orvel-Software wird entwickelt von ") + texts::kDeveloper);
  view_.SetLabelText(InfoLabel::EMailLbl, texts::kMakerEMail);
  view_.SetLabelText(InfoLabel::URLLbl, texts::kMakerWebHost);
}

void TInfo::FormDestroy() { logo_ = Picture(); }

void TInfo::UseSystemMessageFont() {
  ApplicationWindows& windows = services_.windows;
  const std::string face = windows.MessageFontFace();
  const int count = windows.Count();
  for (int i = 0; i < count; ++i) {
    if (windows.FontPointSize(i) == 8) windows.SetFontFace(i, face);
  }
}

void TInfo::LogoPBPaint(LogoCanvas& canvas) {
  const std::int32_t width = canvas.Width(), height = canvas.Height();
  canvas.DrawPixels(PaintLogoStrip(width, height, logo_, appIcon_, canvas.BoxColor()));
  const LogoTextRows rows =
      PlaceLogoTexts(height, appIcon_ != nullptr ? appIcon_->Width : 0, canvas.TextHeight(appTitle_, true),
                     canvas.TextHeight(appTitle_, false), canvas.TextHeight(developmentTime_, false));
  canvas.DrawText(rows.x, rows.titleY, appTitle_, true);
  // Read anew at every paint, as the program file may have been replaced.
  const std::string version = services_.readFileVersion(services_.programFile.ProgramPath());
  canvas.DrawText(rows.x, rows.versionY, "Version: " + services_.codePage.AnsiToUtf8(version), false);
  canvas.DrawText(rows.x, rows.timeY, "Entwicklungszeit: " + developmentTime_, false);
}

void TInfo::HyperLinkMouseEnter(InfoLabel label) { view_.SetLabelUnderlined(label, true); }
void TInfo::HyperLinkMouseLeave(InfoLabel label) { view_.SetLabelUnderlined(label, false); }
void TInfo::HyperLinkMouseDown(InfoLabel label) { view_.SetLabelColor(label, kLinkPressedColor); }
void TInfo::HyperLinkMouseUp(InfoLabel label) { view_.SetLabelColor(label, kLinkColor); }

void TInfo::EMailLblClick() {
  services_.shell.Open(std::string("mailto:") + texts::kMakerEMail, "", "", kShowNormal);
}

void TInfo::URLLblClick() { services_.shell.Open(std::string("http://") + texts::kMakerWebHost, "", "", kShowNormal); }

}  // namespace sorvane
