#include "SamplePictures.h"

#include <cstdio>
// jpeglib.h needs FILE and size_t declared before it.
#include <jpeglib.h>

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstdlib>
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
  jpeg_compress_struct info{};
  jpeg_error_mgr errors{};
  info.err = jpeg_std_error(&errors);
  // The default error handler ends the program with a message, which is
  // what a build step should do when the library refuses.
  jpeg_create_compress(&info);
  unsigned char* buffer = nullptr;
  unsigned long size = 0;
  jpeg_mem_dest(&info, &buffer, &size);
  info.image_width = static_cast<JDIMENSION>(width);
  info.image_height = static_cast<JDIMENSION>(height);
  info.input_components = 3;
  info.in_color_space = JCS_RGB;
  jpeg_set_defaults(&info);
  jpeg_set_quality(&info, 85, TRUE);
  jpeg_start_compress(&info, TRUE);
  std::vector<JSAMPLE> row(static_cast<std::size_t>(width) * 3);
  while (info.next_scanline < info.image_height) {
    const int y = static_cast<int>(info.next_scanline);
    for (int x = 0; x < width; ++x) {
      const Rgb p = SunsetPixel(x, y, width, height);
      row[x * 3] = p.r;
      row[x * 3 + 1] = p.g;
      row[x * 3 + 2] = p.b;
    }
    JSAMPROW rows[] = {row.data()};
    jpeg_write_scanlines(&info, rows, 1);
  }
  jpeg_finish_compress(&info);
  std::string bytes(reinterpret_cast<const char*>(buffer), size);
  jpeg_destroy_compress(&info);
  std::free(buffer);
  return bytes;
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
