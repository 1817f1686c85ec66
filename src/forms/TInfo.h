#pragma once

#include <functional>
#include <string>

#include "forms/InfoView.h"
#include "forms/LogoStrip.h"
#include "platform/BitmapResources.h"
#include "platform/CodePage.h"
#include "platform/ProgramFile.h"
#include "platform/Shell.h"

namespace sorvane {

// What the About box needs of the system. The references outlive the box.
struct InfoServices {
  Shell& shell;
  CodePage& codePage;
  BitmapResources& bitmaps;
  ApplicationWindows& windows;
  ProgramFile& programFile;
  // The version text (Windows-1252) of a program file; "" when it has none.
  std::function<std::string(const std::string& path)> readFileVersion;
};

// The About box: the logo strip with the program's icon, title, version and
// development time beside the maker's logo, a line about the maker and two
// links (e-mail, web site). Created once at start, last of the windows,
// and shown modally by ShowInfo as often as asked.
class TInfo {
 public:
  TInfo(InfoView& view, const InfoServices& services);

  // Fills the box (texts UTF-8; the icon stays the caller's) and shows it
  // modally.
  void ShowInfo(const std::string& title, const std::string& developmentTime, const IconPicture& icon);

  void FormCreate();
  void FormDestroy();
  // Gives every window of the application whose font is 8 points the face
  // of the system's message font.
  void UseSystemMessageFont();
  void LogoPBPaint(LogoCanvas& canvas);

  // The link labels' handlers; label is the sender.
  void HyperLinkMouseEnter(InfoLabel label);
  void HyperLinkMouseLeave(InfoLabel label);
  void HyperLinkMouseDown(InfoLabel label);
  void HyperLinkMouseUp(InfoLabel label);
  void EMailLblClick();
  void URLLblClick();

  const std::string& AppTitle() const { return appTitle_; }
  const std::string& DevelopmentTime() const { return developmentTime_; }
  const Picture& Logo() const { return logo_; }

 private:
  InfoView& view_;
  InfoServices services_;
  std::string appTitle_;
  std::string developmentTime_;
  const IconPicture* appIcon_ = nullptr;
  Picture logo_;
};

namespace texts {
inline constexpr char kMakerEMail[] = "info@orvel.example";
inline constexpr char kMakerWebHost[] = "www.orvel.example";
inline constexpr char kDeveloper[] = "Jonas Orvel";
}  // namespace texts

}  // namespace sorvane
