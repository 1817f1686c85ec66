#include "SamplePictures.h"

#include "JpegEncoder.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <vector>

namespace sorvane::sample {
namespace {

struct Rgb {
  std::uint8_t r, g, b;
};

std::uint8_t Mix(double from, double to, double t) { return static_cast<std::uint8_t>(std::lround(from + (to - from) * t)); }

// Sky from deep blue to orange down to the horizon, a sun on it, and a sea
// that mirrors the sky darker.
Rgb SunsetPixel(int x, int y, int width, int height) {
  const double horizon = height * 0.62;
  const double sunX = width * 0.5, sunY = horizon - height * 0.08, sunR = height * 0.16;
  const double dx = x - sunX, dy = y - sunY;
  if (y < horizon) {
    if (dx * dx + dy * dy <= sunR * sunR) return {255, 214, 90};
    const double t = y / horizon;
    return {Mix(30, 250, t), Mix(40, 140, t), Mix(110, 60, t)};
  }
  const double t = (y - horizon) / (height - horizon);
  const bool glitter = std::abs(dx) < sunR * (1.0 - t) && ((y / 3) % 2 == 0);
  if (glitter) return {240, 180, 90};
  return {Mix(120, 10, t), Mix(70, 30, t), Mix(70, 80, t)};
}

void PutLittleEndian(std::string& out, std::uint32_t value, int bytes) {
  for (int i = 0; i < bytes; ++i) out += static_cast<char>((value >> (8 * i)) & 0xFF);
}

}  // namespace

std::string SunsetJpeg(int width, int height) {
  std::vector<std::uint8_t> pixels;
  pixels.reserve(static_cast<std::size_t>(width) * static_cast<std::size_t>(height) * 3);
  for (int y = 0; y < height; ++y) {
    for (int x = 0; x < width; ++x) {
      const Rgb p = SunsetPixel(x, y, width, height);
      pixels.insert(pixels.end(), {p.r, p.g, p.b});
    }
  }
  return EncodeJpeg(width, height, 3, pixels);
}

std::string ChessboardBmp(int width, int height) {
  const std::uint32_t rowSize = (static_cast<std::uint32_t>(width) * 3 + 3) / 4 * 4;  // rows padded to 4 bytes
  const std::uint32_t pixelBytes = rowSize * static_cast<std::uint32_t>(height);
  std::string out;
  // BITMAPFILEHEADER
  out += "BM";
  PutLittleEndian(out, 14 + 40 + pixelBytes, 4);
  PutLittleEndian(out, 0, 4);
  PutLittleEndian(out, 14 + 40, 4);
  // BITMAPINFOHEADER: 24 bits, no compression, 2835 pixels per metre (72 dpi)
  PutLittleEndian(out, 40, 4);
  PutLittleEndian(out, static_cast<std::uint32_t>(width), 4);
  PutLittleEndian(out, static_cast<std::uint32_t>(height), 4);
  PutLittleEndian(out, 1, 2);
  PutLittleEndian(out, 24, 2);
  PutLittleEndian(out, 0, 4);
  PutLittleEndian(out, pixelBytes, 4);
  PutLittleEndian(out, 2835, 4);
  PutLittleEndian(out, 2835, 4);
  PutLittleEndian(out, 0, 4);
  PutLittleEndian(out, 0, 4);
  // Rows bottom-up, pixels as blue, green, red.
  const int square = std::max(1, width / 8);
  for (int y = height - 1; y >= 0; --y) {
    std::uint32_t written = 0;
    for (int x = 0; x < width; ++x) {
      const bool dark = ((x / square) + (y / square)) % 2 == 1;
      const Rgb p = dark ? Rgb{Mix(40, 120, static_cast<double>(x) / width), 60, Mix(140, 40, static_cast<double>(y) / height)}
                         : Rgb{240, 230, 200};
      out += static_cast<char>(p.b);
      out += static_cast<char>(p.g);
      out += static_cast<char>(p.r);
      written += 3;
    }
    for (; written < rowSize; ++written) out += '\0';
  }
  return out;
}

}  // namespace sorvane::sample
