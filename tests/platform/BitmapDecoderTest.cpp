#include "platform/BitmapDecoder.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <string>
#include <vector>

#include "platform/Errors.h"
#include "platform/posix/PosixPictureDecoder.h"

namespace sorvane {
namespace {

using Bytes = std::vector<std::uint8_t>;

void Put16(Bytes& b, std::size_t at, std::uint32_t v) { b[at] = v & 0xFF, b[at + 1] = v >> 8 & 0xFF; }
void Put32(Bytes& b, std::size_t at, std::uint32_t v) {
  for (int i = 0; i < 4; ++i) b[at + i] = v >> (8 * i) & 0xFF;
}

// A bitmap file with a 40-byte header: palette (B, G, R, 0 each), optional
// bit masks and the rows exactly as given (already padded to 4 bytes).
struct BitmapFile {
  std::int32_t width = 0, height = 0;
  std::uint32_t bits = 24, compression = 0, colorsUsed = 0;
  Bytes palette, masks, rows;

  Bytes Build() const {
    Bytes b(54);
    b[0] = 'B', b[1] = 'M';
    const std::uint32_t pixelsAt = 54 + masks.size() + palette.size();
    Put32(b, 2, pixelsAt + rows.size());
    Put32(b, 10, pixelsAt);
    Put32(b, 14, 40);
    Put32(b, 18, width);
    Put32(b, 22, static_cast<std::uint32_t>(height));
    Put16(b, 26, 1);
    Put16(b, 28, bits);
    Put32(b, 30, compression);
    Put32(b, 46, colorsUsed);
    b.insert(b.end(), masks.begin(), masks.end());
    b.insert(b.end(), palette.begin(), palette.end());
    b.insert(b.end(), rows.begin(), rows.end());
    return b;
  }
};

std::vector<int> Pixels(const Picture& p) { return {p.Rgb.begin(), p.Rgb.end()}; }

// 3 × 2 pixels, 24 bits: rows of 9 bytes padded to 12, bottom row first.
BitmapFile ThreeByTwo() {
  BitmapFile f;
  f.width = 3, f.height = 2;
  f.rows = {0, 0, 255, 0, 255, 0, 255, 0, 0, 0, 0, 0,  // bottom: red, green, blue (stored BGR)
            0, 0, 0, 255, 255, 255, 1, 2, 3, 0, 0, 0};  // top: black, white, (3, 2, 1)
  return f;
}

TEST(BitmapDecoderTest, TrueColourRowsAreFlippedUnlessStoredTopDown) {
  BitmapFile f = ThreeByTwo();
  Picture p = DecodeBitmapBytes(f.Build());
  ASSERT_EQ(p.Width, 3);
  ASSERT_EQ(p.Height, 2);
  EXPECT_EQ(Pixels(p), (std::vector<int>{0, 0, 0, 255, 255, 255, 3, 2, 1, 255, 0, 0, 0, 255, 0, 0, 0, 255}));

  f.height = -2;
  p = DecodeBitmapBytes(f.Build());
  EXPECT_EQ(Pixels(p), (std::vector<int>{255, 0, 0, 0, 255, 0, 0, 0, 255, 0, 0, 0, 255, 255, 255, 3, 2, 1}));
}

TEST(BitmapDecoderTest, PaletteDepthsPickTheirEntries) {
  BitmapFile f;
  f.width = 9, f.height = 1, f.bits = 1;
  f.palette = {0, 0, 0, 0, 255, 255, 255, 0};
  f.rows = {0b10100000, 0b10000000, 0, 0};  // pixels 0, 2 and 8 white
  Picture p = DecodeBitmapBytes(f.Build());
  EXPECT_EQ(p.Rgb[0], 255);
  EXPECT_EQ(p.Rgb[3], 0);
  EXPECT_EQ(p.Rgb[6], 255);
  EXPECT_EQ(p.Rgb[8 * 3], 255);

  f.width = 3, f.bits = 4, f.colorsUsed = 2;
  f.palette = {10, 20, 30, 0, 40, 50, 60, 0};
  f.rows = {0x10, 0x50, 0, 0};  // entry 5 lies past the 2 used colours: black
  p = DecodeBitmapBytes(f.Build());
  EXPECT_EQ(Pixels(p), (std::vector<int>{60, 50, 40, 30, 20, 10, 0, 0, 0}));

  f.width = 2, f.bits = 8, f.colorsUsed = 0;
  f.palette.assign(256 * 4, 0);
  f.palette[200 * 4 + 2] = 77;  // red of entry 200
  f.rows = {200, 0, 0, 0};
  p = DecodeBitmapBytes(f.Build());
  EXPECT_EQ(Pixels(p), (std::vector<int>{77, 0, 0, 0, 0, 0}));
}

TEST(BitmapDecoderTest, SixteenAndThirtyTwoBitsWithDefaultAndGivenMasks) {
  BitmapFile f;
  f.width = 1, f.height = 1, f.bits = 16;
  f.rows = {0x1F, 0x7C, 0, 0};  // 5-5-5: red full, blue full
  EXPECT_EQ(Pixels(DecodeBitmapBytes(f.Build())), (std::vector<int>{255, 0, 255}));

  f.compression = 3;  // 5-6-5 masks behind the header
  f.masks = {0, 0xF8, 0, 0, 0xE0, 0x07, 0, 0, 0x1F, 0, 0, 0};
  f.rows = {0xE0, 0x07, 0, 0};  // green full
  EXPECT_EQ(Pixels(DecodeBitmapBytes(f.Build())), (std::vector<int>{0, 255, 0}));

  f.bits = 32, f.compression = 0, f.masks.clear();
  f.rows = {1, 2, 3, 99};  // B, G, R, unused
  EXPECT_EQ(Pixels(DecodeBitmapBytes(f.Build())), (std::vector<int>{3, 2, 1}));
}

TEST(BitmapDecoderTest, CoreHeaderWithThreeBytePalette) {
  Bytes b(26);
  b[0] = 'B', b[1] = 'M';
  Put32(b, 10, 26 + 6);
  Put32(b, 14, 12);
  Put16(b, 18, 2), Put16(b, 20, 1), Put16(b, 22, 1), Put16(b, 24, 1);
  b.insert(b.end(), {9, 8, 7, 6, 5, 4});  // two entries, BGR
  b.insert(b.end(), {0b01000000, 0, 0, 0});
  EXPECT_EQ(Pixels(DecodeBitmapBytes(b)), (std::vector<int>{7, 8, 9, 4, 5, 6}));
}

TEST(BitmapDecoderTest, BrokenHeadersAreRefused) {
  const auto refused = [](const Bytes& b) {
    try {
      DecodeBitmapBytes(b);
      return false;
    } catch (const Exception& e) {
      return std::string(e.what()) == "Bitmap ist ungültig";
    }
  };
  const Bytes good = ThreeByTwo().Build();
  ASSERT_FALSE(refused(good));
  const auto patched = [&](std::size_t at, std::uint32_t value, int size) {
    Bytes b = good;
    size == 2 ? Put16(b, at, value) : Put32(b, at, value);
    return b;
  };
  EXPECT_TRUE(refused(patched(0, 0x4D43, 2))) << "magic";
  EXPECT_TRUE(refused(patched(18, 0, 4))) << "width 0";
  EXPECT_TRUE(refused(patched(18, 0xFFFFFFFF, 4))) << "negative width";
  EXPECT_TRUE(refused(patched(22, 0, 4))) << "height 0";
  EXPECT_TRUE(refused(patched(22, 0x80000000, 4))) << "lowest height";
  EXPECT_TRUE(refused(patched(26, 2, 2))) << "two planes";
  EXPECT_TRUE(refused(patched(28, 7, 2))) << "7 bits";
  EXPECT_TRUE(refused(patched(30, 1, 4))) << "run-length";
  EXPECT_TRUE(refused(patched(30, 3, 4))) << "bit fields at 24 bits";
  EXPECT_TRUE(refused(patched(14, 20, 4))) << "unknown header size";
  EXPECT_TRUE(refused(patched(10, 20, 4))) << "pixels inside the header";
  EXPECT_TRUE(refused(patched(10, 0xFFFFFFF0, 4))) << "pixels beyond the file";
  EXPECT_TRUE(refused(patched(18, 0x7FFFFFFF, 4))) << "rows longer than the file";

  BitmapFile palette;
  palette.width = 1, palette.height = 1, palette.bits = 8, palette.colorsUsed = 257;
  palette.palette.assign(257 * 4, 0);
  palette.rows = {0, 0, 0, 0};
  EXPECT_TRUE(refused(palette.Build())) << "more colours than 8 bits index";

  for (std::size_t length = 0; length < good.size(); ++length) {
    EXPECT_TRUE(refused(Bytes(good.begin(), good.begin() + length))) << "cut at " << length;
  }
}

TEST(BitmapDecoderTest, ReadsTheFileThroughTheDecoderInterface) {
  const std::string path = ::testing::TempDir() + "bitmap-decoder-test.bmp";
  const Bytes bytes = ThreeByTwo().Build();
  std::FILE* file = std::fopen(path.c_str(), "wb");
  ASSERT_NE(file, nullptr);
  std::fwrite(bytes.data(), 1, bytes.size(), file);
  std::fclose(file);
  PosixPictureDecoder decoder;
  EXPECT_EQ(decoder.DecodeBitmap(path).Width, 3);
  std::remove(path.c_str());
  EXPECT_THROW(decoder.DecodeBitmap(path), EFOpenError);
}

}  // namespace
}  // namespace sorvane
