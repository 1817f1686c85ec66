// The sample container that the build writes, as the README's run command
// and a new user see it.
#include <cstdint>
#include <span>
#include <string>

#include "ZvqFixture.h"
#include "platform/BitmapDecoder.h"
#include "platform/JpegDecoder.h"

namespace sorvane::testing {
namespace {

using ZvqSampleTest = ZvqFixture;

std::span<const std::uint8_t> Bytes(const std::string& s) {
  return {reinterpret_cast<const std::uint8_t*>(s.data()), s.size()};
}

TEST_F(ZvqSampleTest, GuestAndJuergenSeeTheirOwnSelection) {
  const auto info = Zvq({"info", SORVANE_SAMPLE_CONTAINER});
  EXPECT_EQ(info.status, 0) << info.err;
  EXPECT_EQ(info.out, "Titel: Beispielcontainer für Sorvane\nAutor: Jürgen Müller\nDateien: 5\nKonten: 2\n");

  const auto guest = Zvq({"list", SORVANE_SAMPLE_CONTAINER});
  EXPECT_EQ(guest.status, 0) << guest.err;
  EXPECT_NE(guest.out.find("Gästebuch.txt\t"), std::string::npos);
  EXPECT_EQ(guest.out.find("Notizen"), std::string::npos);

  WriteFile(Path("pw"), "Sonnenblume\n");
  const auto juergen = Zvq({"list", SORVANE_SAMPLE_CONTAINER, "--user", "Jürgen", "--password-file", Path("pw")});
  EXPECT_EQ(juergen.status, 0) << juergen.err;
  EXPECT_NE(juergen.out.find("Notizen für Jürgen.txt\t"), std::string::npos);
  EXPECT_EQ(juergen.out.find("Gästebuch"), std::string::npos);
}

TEST_F(ZvqSampleTest, PicturesDecodeAndTextsAreWindows1252) {
  const auto result = Zvq({"extract", SORVANE_SAMPLE_CONTAINER, "-d", Path("x")});
  ASSERT_EQ(result.status, 0) << result.err;
  const Picture jpeg = DecodeJpegBytes(Bytes(ReadFile(Path("x/Sonnenuntergang.JPG"))));
  EXPECT_EQ(jpeg.Width, 320);
  EXPECT_EQ(jpeg.Height, 200);
  const Picture bmp = DecodeBitmapBytes(Bytes(ReadFile(Path("x/Schachbrett.BMP"))));
  EXPECT_EQ(bmp.Width, 96);
  EXPECT_EQ(bmp.Height, 72);
  const std::string welcome = ReadFile(Path("x/Willkommen.txt"));
  EXPECT_NE(welcome.find("G\xE4ste"), std::string::npos) << "ä as one Windows-1252 byte";
  EXPECT_NE(welcome.find("\r\n"), std::string::npos);
}

}  // namespace
}  // namespace sorvane::testing
