// Draws the program's pictures at build time and writes them as C++ arrays:
// the maker's logo "LOGO" (a 142 × 63 24-bit bitmap file, white where the
// About strip's gradient shows through) and the 32 × 32 program icon (as
// RGBA pixels and as a PNG file for the desktop menu). The pictures are
// also written as Logo.bmp and Icon.png beside the source for a look.
// Usage: make_program_art OUTPUT_FOLDER
#include <array>
#include <cstdint>
#include <cstdio>
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

Canvas DrawIcon() {
  constexpr Rgba clear{0, 0, 0, 0}, outline{70, 40, 10, 255}, box{214, 150, 70, 255}, lid{236, 180, 100, 255},
      arrow{30, 110, 220, 255}, arrowEdge{10, 50, 120, 255};
  Canvas icon(32, 32, clear);
  // A carton with its lid, an arrow leaving it upwards.
  icon.Fill(4, 14, 28, 30, outline);
  icon.Fill(5, 15, 27, 29, box);
  icon.Fill(2, 10, 30, 15, outline);
  icon.Fill(3, 11, 29, 14, lid);
  icon.Fill(13, 7, 19, 22, arrowEdge);
  icon.Fill(14, 7, 18, 21, arrow);
  for (int row = 0; row < 7; ++row) {
    icon.Fill(16 - row - 1, 1 + row, 16 + row + 1, 2 + row, arrowEdge);
    if (row > 0) icon.Fill(16 - row, 1 + row, 16 + row, 2 + row, arrow);
  }
  return icon;
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

// An RGBA PNG whose image data is one stored (uncompressed) deflate block:
// small pictures need no compressor.
Bytes PngFile(const Canvas& canvas) {
  Bytes raw;
  for (int y = 0; y < canvas.height; ++y) {
    raw.push_back(0);  // no filter
    for (int x = 0; x < canvas.width; ++x) {
      const Rgba p = canvas.pixels[y * canvas.width + x];
      raw.insert(raw.end(), {p.r, p.g, p.b, p.a});
    }
  }
  Bytes zlib{0x78, 0x01, 0x01};
  Put16(zlib, static_cast<std::uint32_t>(raw.size()));
  Put16(zlib, static_cast<std::uint32_t>(~raw.size() & 0xFFFF));
  zlib.insert(zlib.end(), raw.begin(), raw.end());
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
  if (argc != 2) {
    std::fprintf(stderr, "Aufruf: make_program_art AUSGABEORDNER\n");
    return 2;
  }
  const std::string folder = argv[1];
  const Canvas logo = DrawLogo(), icon = DrawIcon();
  const Bytes logoFile = BitmapFile(logo), iconFile = PngFile(icon);
  std::ofstream out(folder + "/ProgramArtData.cpp");
  out << "// Made by make_program_art; do not edit.\n#include <cstddef>\n\nnamespace sorvane::art {\n";
  WriteArray(out, "kLogoBitmap", logoFile);
  WriteArray(out, "kIconPng", iconFile);
  WriteArray(out, "kIconRgba", RgbaPixels(icon));
  out << "}  // namespace sorvane::art\n";
  out.close();
  const bool ok = out && WriteFile(folder + "/Logo.bmp", logoFile) && WriteFile(folder + "/Icon.png", iconFile);
  return ok ? 0 : 1;
}
