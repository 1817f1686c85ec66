// Draws the program's pictures at build time and writes them as C++ arrays:
// the maker's logo "LOGO" (a 142 × 63 24-bit bitmap file, white where the
// About strip's gradient shows through) and the 32 × 32 program icon (as
// RGBA pixels and as a PNG file for the desktop menu). The pictures are
// also written as Logo.bmp and Icon.png beside the source for a look, and the
// icon as Icon.ico in 16, 32 and 48 pixels for the Windows program.
// Usage: make_program_art OUTPUT_FOLDER [ICON_SIZE...]
#include <algorithm>
#include <array>
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <string>
#include <vector>

namespace {

using Bytes = std::vector<std::uint8_t>;

struct Rgba {
  std::uint8_t r, g, b, a;
};

class Canvas {
 public:
  Canvas(int width, int height, Rgba fill) : width(width), height(height), pixels(width * height, fill) {}
  void Set(int x, int y, Rgba color) {
    if (x >= 0 && y >= 0 && x < width && y < height) pixels[y * width + x] = color;
  }
  void Fill(int left, int top, int right, int bottom, Rgba color) {
    for (int y = top; y < bottom; ++y)
      for (int x = left; x < right; ++x) Set(x, y, color);
  }
  int width, height;
  std::vector<Rgba> pixels;
};

// A 5 × 7 pixel font for the logo's letters; each row is five bits, the
// leftmost pixel in the highest bit.
std::array<std::uint8_t, 7> Glyph(char c) {
  switch (c) {
    case 'O': return {0x0E, 0x11, 0x11, 0x11, 0x11, 0x11, 0x0E};
    case 'R': return {0x1E, 0x11, 0x11, 0x1E, 0x14, 0x12, 0x11};
    case 'V': return {0x11, 0x11, 0x11, 0x11, 0x11, 0x0A, 0x04};
    case 'E': return {0x1F, 0x10, 0x10, 0x1E, 0x10, 0x10, 0x1F};
    case 'L': return {0x10, 0x10, 0x10, 0x10, 0x10, 0x10, 0x1F};
    case 'S': return {0x0F, 0x10, 0x10, 0x0E, 0x01, 0x01, 0x1E};
    case 'F': return {0x1F, 0x10, 0x10, 0x1E, 0x10, 0x10, 0x10};
    case 'T': return {0x1F, 0x04, 0x04, 0x04, 0x04, 0x04, 0x04};
    case 'W': return {0x11, 0x11, 0x11, 0x15, 0x15, 0x15, 0x0A};
    case 'A': return {0x0E, 0x11, 0x11, 0x1F, 0x11, 0x11, 0x11};
    default: return {};
  }
}

void Text(Canvas& canvas, int left, int top, const std::string& text, int scale, int gap, Rgba color) {
  for (const char c : text) {
    const auto glyph = Glyph(c);
    for (int row = 0; row < 7; ++row)
      for (int col = 0; col < 5; ++col)
        if (glyph[row] & (0x10 >> col))
          canvas.Fill(left + col * scale, top + row * scale, left + (col + 1) * scale, top + (row + 1) * scale, color);
    left += 5 * scale + gap;
  }
}

// A ring between two radii around (cx, cy).
void Ring(Canvas& canvas, double cx, double cy, double inner, double outer, Rgba color) {
  for (int y = 0; y < canvas.height; ++y)
    for (int x = 0; x < canvas.width; ++x) {
      const double d2 = (x - cx) * (x - cx) + (y - cy) * (y - cy);
      if (d2 >= inner * inner && d2 <= outer * outer) canvas.Set(x, y, color);
    }
}

Canvas DrawLogo() {
  constexpr Rgba white{255, 255, 255, 255}, black{0, 0, 0, 255}, navy{20, 40, 140, 255}, red{220, 30, 30, 255};
  Canvas logo(142, 63, white);
  Ring(logo, 24, 31, 15, 22, navy);
  Ring(logo, 24, 31, 0, 6, red);
  Text(logo, 52, 12, "ORVEL", 3, 3, black);
  Text(logo, 54, 42, "SOFTWARE", 1, 5, navy);
  return logo;
}

// The icon is designed on a 32 × 32 grid; unit coordinates are scaled to
// the canvas, so every size is drawn from the same shapes.
class GridPen {
 public:
  explicit GridPen(Canvas& canvas) : canvas_(canvas), scale_(canvas.width / 32.0) {}
  void Fill(int left, int top, int right, int bottom, Rgba color) {
    canvas_.Fill(At(left), At(top), At(right), At(bottom), color);
  }

 private:
  int At(int unit) const { return static_cast<int>(unit * scale_ + 0.5); }
  Canvas& canvas_;
  double scale_;
};

// A canvas factor times smaller, each pixel the average of its block, so
// that sizes off the grid get smooth edges instead of lost outlines.
Canvas Shrink(const Canvas& big, int factor) {
  Canvas small(big.width / factor, big.height / factor, Rgba{0, 0, 0, 0});
  const int n = factor * factor;
  for (int y = 0; y < small.height; ++y)
    for (int x = 0; x < small.width; ++x) {
      unsigned r = 0, g = 0, b = 0, a = 0;
      for (int dy = 0; dy < factor; ++dy)
        for (int dx = 0; dx < factor; ++dx) {
          const Rgba p = big.pixels[(y * factor + dy) * big.width + x * factor + dx];
          r += p.r * p.a;
          g += p.g * p.a;
          b += p.b * p.a;
          a += p.a;
        }
      if (a > 0) {
        small.pixels[y * small.width + x] = Rgba{static_cast<std::uint8_t>(r / a), static_cast<std::uint8_t>(g / a),
                                                 static_cast<std::uint8_t>(b / a), static_cast<std::uint8_t>(a / n)};
      }
    }
  return small;
}

Canvas DrawIcon(int size) {
  // Multiples of the grid are drawn exactly; other sizes four times as large
  // and shrunk.
  const int factor = size % 32 == 0 ? 1 : 4;
  constexpr Rgba clear{0, 0, 0, 0}, outline{70, 40, 10, 255}, box{214, 150, 70, 255}, lid{236, 180, 100, 255},
      arrow{30, 110, 220, 255}, arrowEdge{10, 50, 120, 255};
  Canvas icon(size * factor, size * factor, clear);
  GridPen pen(icon);
  // A carton with its lid, an arrow leaving it upwards.
  pen.Fill(4, 14, 28, 30, outline);
  pen.Fill(5, 15, 27, 29, box);
  pen.Fill(2, 10, 30, 15, outline);
  pen.Fill(3, 11, 29, 14, lid);
  pen.Fill(13, 7, 19, 22, arrowEdge);
  pen.Fill(14, 7, 18, 21, arrow);
  for (int row = 0; row < 7; ++row) {
    pen.Fill(16 - row - 1, 1 + row, 16 + row + 1, 2 + row, arrowEdge);
    if (row > 0) pen.Fill(16 - row, 1 + row, 16 + row, 2 + row, arrow);
  }
  return factor == 1 ? icon : Shrink(icon, factor);
}

void Put16(Bytes& out, std::uint32_t v) {
  out.push_back(v & 0xFF);
  out.push_back((v >> 8) & 0xFF);
}
void Put32(Bytes& out, std::uint32_t v) {
  Put16(out, v & 0xFFFF);
  Put16(out, v >> 16);
}
void PutBig32(Bytes& out, std::uint32_t v) {
  for (int shift = 24; shift >= 0; shift -= 8) out.push_back((v >> shift) & 0xFF);
}

// A 24-bit bottom-up Windows bitmap file.
Bytes BitmapFile(const Canvas& canvas) {
  const std::uint32_t stride = (canvas.width * 3 + 3) & ~3u;
  const std::uint32_t imageSize = stride * canvas.height;
  Bytes out{'B', 'M'};
  Put32(out, 14 + 40 + imageSize);
  Put32(out, 0);
  Put32(out, 14 + 40);
  Put32(out, 40);
  Put32(out, canvas.width);
  Put32(out, canvas.height);
  Put16(out, 1);
  Put16(out, 24);
  Put32(out, 0);  // BI_RGB
  Put32(out, imageSize);
  Put32(out, 3780);  // 96 pixels per inch
  Put32(out, 3780);
  Put32(out, 0);
  Put32(out, 0);
  for (int y = canvas.height - 1; y >= 0; --y) {
    for (int x = 0; x < canvas.width; ++x) {
      const Rgba p = canvas.pixels[y * canvas.width + x];
      out.insert(out.end(), {p.b, p.g, p.r});
    }
    out.resize(out.size() + stride - canvas.width * 3, 0);
  }
  return out;
}

std::uint32_t Crc32(const std::uint8_t* data, std::size_t size, std::uint32_t crc = 0) {
  crc = ~crc;
  for (std::size_t i = 0; i < size; ++i) {
    crc ^= data[i];
    for (int k = 0; k < 8; ++k) crc = (crc >> 1) ^ (0xEDB88320u & (0u - (crc & 1)));
  }
  return ~crc;
}

void PngChunk(Bytes& out, const char type[5], const Bytes& data) {
  PutBig32(out, static_cast<std::uint32_t>(data.size()));
  Bytes body(type, type + 4);
  body.insert(body.end(), data.begin(), data.end());
  out.insert(out.end(), body.begin(), body.end());
  PutBig32(out, Crc32(body.data(), body.size()));
}

// An RGBA PNG whose image data is stored (uncompressed) deflate blocks of at
// most 65535 bytes each: icons need no compressor.
Bytes PngFile(const Canvas& canvas) {
  Bytes raw;
  for (int y = 0; y < canvas.height; ++y) {
    raw.push_back(0);  // no filter
    for (int x = 0; x < canvas.width; ++x) {
      const Rgba p = canvas.pixels[y * canvas.width + x];
      raw.insert(raw.end(), {p.r, p.g, p.b, p.a});
    }
  }
  Bytes zlib{0x78, 0x01};
  for (std::size_t at = 0; at < raw.size() || at == 0; at += 65535) {
    const std::size_t length = std::min<std::size_t>(65535, raw.size() - at);
    zlib.push_back(at + length == raw.size() ? 1 : 0);  // the last block says so
    Put16(zlib, static_cast<std::uint32_t>(length));
    Put16(zlib, static_cast<std::uint32_t>(~length & 0xFFFF));
    zlib.insert(zlib.end(), raw.begin() + static_cast<std::ptrdiff_t>(at),
                raw.begin() + static_cast<std::ptrdiff_t>(at + length));
  }
  std::uint32_t a = 1, b = 0;
  for (const std::uint8_t byte : raw) {
    a = (a + byte) % 65521;
    b = (b + a) % 65521;
  }
  PutBig32(zlib, (b << 16) | a);

  Bytes out{0x89, 'P', 'N', 'G', '\r', '\n', 0x1A, '\n'};
  Bytes header;
  PutBig32(header, canvas.width);
  PutBig32(header, canvas.height);
  header.insert(header.end(), {8, 6, 0, 0, 0});
  PngChunk(out, "IHDR", header);
  PngChunk(out, "IDAT", zlib);
  PngChunk(out, "IEND", {});
  return out;
}

Bytes RgbaPixels(const Canvas& canvas) {
  Bytes out;
  for (const Rgba& p : canvas.pixels) out.insert(out.end(), {p.r, p.g, p.b, p.a});
  return out;
}

// A Windows icon file whose images are PNG files (as Windows reads them
// since Vista): the directory, one 16-byte entry per image, the images.
Bytes IconFile(const std::vector<int>& sizes) {
  std::vector<Bytes> images;
  for (const int size : sizes) images.push_back(PngFile(DrawIcon(size)));
  Bytes out;
  Put16(out, 0);
  Put16(out, 1);  // an icon, not a cursor
  Put16(out, static_cast<std::uint32_t>(sizes.size()));
  std::uint32_t offset = 6 + 16 * static_cast<std::uint32_t>(sizes.size());
  for (std::size_t i = 0; i < sizes.size(); ++i) {
    out.insert(out.end(), {static_cast<std::uint8_t>(sizes[i]), static_cast<std::uint8_t>(sizes[i]), 0, 0});
    Put16(out, 1);   // planes
    Put16(out, 32);  // bits per pixel
    Put32(out, static_cast<std::uint32_t>(images[i].size()));
    Put32(out, offset);
    offset += static_cast<std::uint32_t>(images[i].size());
  }
  for (const Bytes& image : images) out.insert(out.end(), image.begin(), image.end());
  return out;
}

void WriteArray(std::ofstream& out, const char* name, const Bytes& bytes) {
  out << "extern const unsigned char " << name << "[] = {";
  for (std::size_t i = 0; i < bytes.size(); ++i) out << (i % 20 == 0 ? "\n " : "") << int(bytes[i]) << ',';
  out << "\n};\nextern const std::size_t " << name << "Size = " << bytes.size() << ";\n";
}

bool WriteFile(const std::string& path, const Bytes& bytes) {
  std::ofstream out(path, std::ios::binary);
  out.write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
  return static_cast<bool>(out);
}

}  // namespace

int main(int argc, char** argv) {
  std::vector<int> sizes;
  for (int i = 2; i < argc; ++i) sizes.push_back(std::atoi(argv[i]));
  if (argc < 2 || std::find_if(sizes.begin(), sizes.end(), [](int size) { return size < 1 || size > 1024; }) !=
                      sizes.end()) {
    std::fprintf(stderr, "Aufruf: make_program_art AUSGABEORDNER [SYMBOLGRÖSSE...]\n");
    return 2;
  }
  const std::string folder = argv[1];
  const Canvas logo = DrawLogo(), icon = DrawIcon(32);
  const Bytes logoFile = BitmapFile(logo), iconFile = PngFile(icon);
  std::ofstream out(folder + "/ProgramArtData.cpp");
  out << "// Made by make_program_art; do not edit.\n#include <cstddef>\n\nnamespace sorvane::art {\n";
  WriteArray(out, "kLogoBitmap", logoFile);
  WriteArray(out, "kIconPng", iconFile);
  WriteArray(out, "kIconRgba", RgbaPixels(icon));
  out << "}  // namespace sorvane::art\n";
  out.close();
  bool ok = out && WriteFile(folder + "/Logo.bmp", logoFile) && WriteFile(folder + "/Icon.png", iconFile) &&
            WriteFile(folder + "/Icon.ico", IconFile({16, 32, 48}));
  for (const int size : sizes) {
    ok = ok && WriteFile(folder + "/Icon-" + std::to_string(size) + ".png", PngFile(DrawIcon(size)));
  }
  return ok ? 0 : 1;
}
