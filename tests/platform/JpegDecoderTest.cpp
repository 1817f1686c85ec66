#include "platform/JpegDecoder.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include <jpeglib.h>  // for the error numbers of jerror.h
#include <jerror.h>

#include "JpegEncoder.h"
#include "platform/Errors.h"
#include "platform/posix/PosixPictureDecoder.h"

namespace sorvane {
namespace {

std::vector<std::uint8_t> Encode(int width, int height, int components, const std::vector<std::uint8_t>& pixels) {
  const std::string bytes = sample::EncodeJpeg(width, height, components, pixels, 100);
  return {bytes.begin(), bytes.end()};
}

// 16 × 8 pixels: the left half red, the right half blue.
std::vector<std::uint8_t> RedBlue() {
  std::vector<std::uint8_t> pixels;
  for (int y = 0; y < 8; ++y)
    for (int x = 0; x < 16; ++x) pixels.insert(pixels.end(), {std::uint8_t(x < 8 ? 255 : 0), 0, std::uint8_t(x < 8 ? 0 : 255)});
  return Encode(16, 8, 3, pixels);
}

std::string ErrorText(int code) { return "JPEG-Fehler #" + std::to_string(code); }

void ExpectNear(const Picture& p, int x, int y, int r, int g, int b) {
  const std::uint8_t* px = &p.Rgb[(y * p.Width + x) * 3];
  EXPECT_NEAR(px[0], r, 8) << x << "," << y;
  EXPECT_NEAR(px[1], g, 8) << x << "," << y;
  EXPECT_NEAR(px[2], b, 8) << x << "," << y;
}

TEST(JpegDecoderTest, DecodesColourGreyAndAdobeCmykToRgb) {
  const Picture colour = DecodeJpegBytes(RedBlue());
  ASSERT_EQ(colour.Width, 16);
  ASSERT_EQ(colour.Height, 8);
  ASSERT_EQ(colour.Rgb.size(), 16u * 8 * 3);
  ExpectNear(colour, 1, 1, 255, 0, 0);
  ExpectNear(colour, 14, 6, 0, 0, 255);

  const Picture grey = DecodeJpegBytes(Encode(8, 8, 1, std::vector<std::uint8_t>(64, 100)));
  ASSERT_EQ(grey.Rgb.size(), 8u * 8 * 3);
  ExpectNear(grey, 3, 3, 100, 100, 100);

  // libjpeg marks CMYK with the Adobe marker, so the values count as stored
  // inverted, as Adobe writes them: 255 means no ink.
  std::vector<std::uint8_t> cmyk;
  for (int i = 0; i < 64; ++i) cmyk.insert(cmyk.end(), {255, 0, 255, 255});
  ExpectNear(DecodeJpegBytes(Encode(8, 8, 4, cmyk)), 4, 4, 255, 0, 255);
}

TEST(JpegDecoderTest, RefusalsCarryLibjpegsOwnMessageNumber) {
  const auto expectError = [](const std::vector<std::uint8_t>& bytes, int code) {
    try {
      DecodeJpegBytes(bytes);
      ADD_FAILURE() << "decoded";
    } catch (const Exception& e) {
      EXPECT_EQ(e.what(), ErrorText(code));
    }
  };
  expectError({}, JERR_INPUT_EMPTY);
  expectError({'B', 'M', 0, 0, 0, 0}, JERR_NO_SOI);
  expectError({0xFF, 0xD8, 0xFF, 0xD9}, JERR_NO_IMAGE);  // start and end, no frame
}

TEST(JpegDecoderTest, EveryTruncationEitherDecodesOrFailsCleanly) {
  const std::vector<std::uint8_t> whole = RedBlue();
  int decoded = 0;
  for (std::size_t length = 0; length < whole.size(); ++length) {
    const std::vector<std::uint8_t> prefix(whole.begin(), whole.begin() + length);
    try {
      const Picture p = DecodeJpegBytes(prefix);
      // Cut in the scan data: libjpeg fills in the rest and only warns.
      EXPECT_EQ(p.Width, 16);
      EXPECT_EQ(p.Rgb.size(), 16u * 8 * 3);
      ++decoded;
    } catch (const Exception& e) {
      EXPECT_EQ(std::string(e.what()).rfind("JPEG-Fehler #", 0), 0u) << e.what();
    }
  }
  EXPECT_GT(decoded, 0);
}

TEST(JpegDecoderTest, GarbageAfterTheHeadersNeverCrashes) {
  std::vector<std::uint8_t> bytes = RedBlue();
  std::srand(7);
  for (int round = 0; round < 300; ++round) {
    std::vector<std::uint8_t> damaged = bytes;
    for (int i = 0; i < 4; ++i) damaged[std::rand() % damaged.size()] = static_cast<std::uint8_t>(std::rand());
    try {
      const Picture p = DecodeJpegBytes(damaged);
      EXPECT_EQ(p.Rgb.size(), std::size_t(p.Width) * p.Height * 3);
    } catch (const Exception&) {
    }
  }
}

TEST(JpegDecoderTest, AHeaderClaimingAHugePictureIsRefusedBeforeAllocating) {
  std::vector<std::uint8_t> bytes = RedBlue();
  // The baseline frame header: FF C0, length, precision, height, width.
  std::size_t sof = 0;
  while (!(bytes[sof] == 0xFF && bytes[sof + 1] == 0xC0)) ++sof;
  bytes[sof + 5] = bytes[sof + 7] = 0xFD;  // 65000 × 65000
  bytes[sof + 6] = bytes[sof + 8] = 0xE8;
  EXPECT_THROW(DecodeJpegBytes(bytes), EOutOfMemory);
}

TEST(JpegDecoderTest, AMissingFileFailsToOpen) {
  PosixPictureDecoder decoder;
  try {
    decoder.DecodeJpeg("/nonexistent/Foto.JPG");
    ADD_FAILURE() << "opened";
  } catch (const EFOpenError& e) {
    EXPECT_STREQ(e.what(), "Datei /nonexistent/Foto.JPG kann nicht geöffnet werden");
  }
}

}  // namespace
}  // namespace sorvane
