// The About box: the logo strip's pixels and text rows from the toolkit-free
// painter, the links, the message font and the box's texts.
#include <gmock/gmock.h>

#include "app/support/FakeServices.h"
#include "fakes/FakeFileSystem.h"
#include "forms/TInfo.h"
#include "forms/art/ProgramArt.h"
#include "platform/Errors.h"
#include "platform/Cp1252CodePage.h"

namespace sorvane {
namespace {

using ::testing::ElementsAre;

constexpr Color kBox = MakeColor(212, 208, 200);
constexpr Color kLightBlue = MakeColor(74, 160, 255);
constexpr Color kWhite = MakeColor(255, 255, 255);

class RecordingInfoView : public InfoView, public LogoCanvas, public ApplicationWindows, public BitmapResources {
 public:
  std::vector<std::string> log;
  PixelBuffer strip{0, 0};
  std::vector<int> fontSizes{8, 9, 8};
  std::vector<std::string> faces{"MS Sans Serif", "MS Sans Serif", "MS Sans Serif"};
  int textHeight = 13;

  void SetCaption(const std::string& caption) override { log.push_back("caption " + caption); }
  void RunModal() override { log.push_back("modal"); }
  void SetLabelText(InfoLabel label, const std::string& text) override {
    log.push_back("text " + std::to_string(int(label)) + " " + text);
  }
  void SetLabelUnderlined(InfoLabel label, bool on) override {
    log.push_back("underline " + std::to_string(int(label)) + (on ? " on" : " off"));
  }
  void SetLabelColor(InfoLabel label, Color color) override {
    log.push_back("color " + std::to_string(int(label)) + " " + std::to_string(color));
  }

  std::int32_t Width() override { return 435; }
  std::int32_t Height() override { return 65; }
  Color BoxColor() override { return kBox; }
  std::int32_t TextHeight(const std::string&, bool bold) override { return textHeight + (bold ? 1 : 0) * boldExtra; }
  void DrawPixels(const PixelBuffer& pixels) override { strip = pixels; }
  void DrawText(std::int32_t x, std::int32_t y, const std::string& text, bool bold) override {
    log.push_back("draw " + std::to_string(x) + "," + std::to_string(y) + (bold ? " bold " : " ") + text);
  }
  int boldExtra = 0;

  std::string MessageFontFace() override { return "Cantarell"; }
  int Count() override { return static_cast<int>(fontSizes.size()); }
  int FontPointSize(int window) override { return fontSizes[window]; }
  void SetFontFace(int window, const std::string& face) override { faces[window] = face; }

  Picture LoadBitmap(const std::string& name) override {
    log.push_back("bitmap " + name);
    Picture logo{142, 63, std::vector<std::uint8_t>(142 * 63 * 3, 255)};
    const auto set = [&](int x, int y, Color c) {
      logo.Rgb[(y * 142 + x) * 3] = RedOf(c), logo.Rgb[(y * 142 + x) * 3 + 1] = GreenOf(c),
                               logo.Rgb[(y * 142 + x) * 3 + 2] = BlueOf(c);
    };
    set(0, 0, 0);                          // black: black
    set(1, 0, MakeColor(255, 0, 0));       // red: tints
    set(141, 60, 0);                       // the strip's last row
    set(141, 61, 0);                       // below the strip: cut off
    return logo;
  }
};

class InfoBoxTest : public ::testing::Test {
 protected:
  InfoBoxTest() { icon.Rgba[(5 * 32 + 5) * 4 + 3] = 0; }

  RecordingInfoView view;
  FakeFileSystem files;
  FakeShell shell{files};
  Cp1252CodePage codePage;
  FakeProgramFile programFile;
  std::string version = "1.0.0.0";
  TInfo info{view, {shell, codePage, view, view, programFile, [this](const std::string& path) {
                      return path == programFile.path ? version : "falsch";
                    }}};
  // Opaque (10, 20, 30) with one transparent pixel at (5, 5).
  IconPicture icon{32, 32, [] {
                     std::vector<std::uint8_t> rgba;
                     for (int i = 0; i < 32 * 32; ++i) rgba.insert(rgba.end(), {10, 20, 30, 255});
                     return rgba;
                   }()};
};

TEST_F(InfoBoxTest, GradientColumnsRunLightBlueWhiteLightBlue) {
  const PixelBuffer strip = PaintLogoStrip(435, 65, Picture(), nullptr, kBox);
  for (const int y : {0, 64}) {
    EXPECT_EQ(strip.At(0, y), kLightBlue);
    EXPECT_EQ(strip.At(163, y), MakeColor(164, 207, 255));
    EXPECT_EQ(strip.At(325, y), MakeColor(254, 254, 255));
    EXPECT_EQ(strip.At(326, y), kWhite);
    EXPECT_EQ(strip.At(327, y), MakeColor(254, 255, 255));
    // The right part's light blue end (x = 435) lies beyond the strip.
    EXPECT_EQ(strip.At(434, y), MakeColor(76, 161, 255));
  }
}

TEST_F(InfoBoxTest, LogoIsAndedAtItsPlaceAndCutAtTheBottom) {
  info.FormCreate();
  info.ShowInfo("Sorvane", "2003", icon);
  info.LogoPBPaint(view);
  const PixelBuffer& strip = view.strip;
  EXPECT_EQ(strip.At(255, 4), 0u) << "black stays black";
  EXPECT_EQ(strip.At(256, 4), MakeColor(RedOf(strip.At(256, 3)), 0, 0)) << "red keeps only the red channel";
  EXPECT_EQ(strip.At(257, 4), strip.At(257, 3)) << "white lets the gradient through";
  EXPECT_EQ(strip.At(254, 4), strip.At(254, 3)) << "nothing left of the logo";
  EXPECT_EQ(strip.At(396, 64), 0u) << "logo row 60 on the strip's last row";
  EXPECT_EQ(strip.At(396, 63), strip.At(396, 0)) << "logo row 59 is white";
}

TEST_F(InfoBoxTest, IconSitsInsideItsFrame) {
  const PixelBuffer strip = PaintLogoStrip(435, 65, Picture(), &icon, kBox);
  const Color iconColor = MakeColor(10, 20, 30);
  EXPECT_EQ(strip.At(8, 16), iconColor);
  EXPECT_EQ(strip.At(38, 46), iconColor);
  EXPECT_EQ(strip.At(13, 21), strip.At(13, 0)) << "transparent icon pixel shows the gradient";
  // The frame runs along x 7 and 39 and y 15 and 47, over the icon's last
  // column and row.
  for (const auto& [x, y] : {std::pair{7, 15}, {39, 15}, {7, 47}, {39, 47}, {39, 30}, {20, 47}, {20, 15}, {7, 30}}) {
    EXPECT_EQ(strip.At(x, y), kBox) << x << "," << y;
  }
  for (const auto& [x, y] : {std::pair{6, 30}, {40, 30}, {20, 14}, {20, 48}}) {
    EXPECT_EQ(strip.At(x, y), strip.At(x, 0)) << x << "," << y;
  }
}

TEST_F(InfoBoxTest, TextRowsAndTheirTexts) {
  info.ShowInfo("Sorvane", "2003", icon);
  EXPECT_THAT(view.log, ElementsAre("caption Info über Sorvane", "modal"));
  view.log.clear();
  info.LogoPBPaint(view);
  // Height 13: 32 - round(19.5) = 12, 32 - round(6.5) = 26, 32 + 6 = 38
  // (halves to the even neighbour).
  EXPECT_THAT(view.log, ElementsAre("draw 48,12 bold Sorvane", "draw 48,26 Version: 1.0.0.0",
                                    "draw 48,38 Entwicklungszeit: 2003"));
  view.log.clear();
  view.boldExtra = 2;  // the bold height places the title alone
  version.clear();     // a program without version information
  info.LogoPBPaint(view);
  EXPECT_THAT(view.log, ElementsAre("draw 48,10 bold Sorvane", "draw 48,26 Version: ",
                                    "draw 48,38 Entwicklungszeit: 2003"));
}

TEST_F(InfoBoxTest, LinksChangeStyleAndColourAndOpenTheirAddress) {
  info.HyperLinkMouseDown(InfoLabel::URLLbl);
  info.HyperLinkMouseEnter(InfoLabel::EMailLbl);
  info.HyperLinkMouseDown(InfoLabel::EMailLbl);
  info.HyperLinkMouseUp(InfoLabel::EMailLbl);
  info.HyperLinkMouseLeave(InfoLabel::EMailLbl);
  EXPECT_THAT(view.log, ElementsAre("color 2 255", "underline 1 on", "color 1 255", "color 1 16711680",
                                    "underline 1 off"));
  info.EMailLblClick();
  info.URLLblClick();
  ASSERT_EQ(shell.opened.size(), 2u);
  EXPECT_EQ(shell.opened[0].path, "mailto:info@orvel.example");
  EXPECT_EQ(shell.opened[1].path, "http://www.orvel.example");
  EXPECT_EQ(shell.opened[1].showCommand, 1);
}

TEST_F(InfoBoxTest, CreationSetsTheMessageFontLabelsAndLogo) {
  info.FormCreate();
  EXPECT_THAT(view.faces, ElementsAre("Cantarell", "MS Sans Serif", "Cantarell")) << "only 8-point windows";
  EXPECT_THAT(view.log, ElementsAre("bitmap LOGO", "text 0 Orvel-Software wird entwickelt von Jonas Orvel",
                                    "text 1 info@orvel.example", "text 2 www.orvel.example"));
  EXPECT_EQ(info.Logo().Width, 142);
  info.FormDestroy();
  EXPECT_TRUE(info.Logo().Empty());
}

TEST(ProgramArtTest, LogoAndIconHaveTheirSizes) {
  EmbeddedBitmaps bitmaps;
  const Picture logo = bitmaps.LoadBitmap("Logo");
  EXPECT_EQ(logo.Width, 142);
  EXPECT_EQ(logo.Height, 63);
  EXPECT_EQ(logo.Rgb[0], 255) << "white corner: the gradient shows there";
  EXPECT_THROW(bitmaps.LoadBitmap("ANDERES"), Exception);
  EXPECT_EQ(ProgramIcon().Width, 32);
  EXPECT_EQ(ProgramIcon().Rgba.size(), 32u * 32u * 4u);
  EXPECT_EQ(ProgramIconPng()[1], 'P');
}

}  // namespace
}  // namespace sorvane
