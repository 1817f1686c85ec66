#include "platform/BitmapDecoder.h"

#include <array>
#include <bit>
#include <cstdlib>

#include "platform/Errors.h"

namespace sorvane {

namespace {

constexpr std::uint32_t kFileHeaderSize = 14;
constexpr std::uint32_t kCoreHeaderSize = 12;
constexpr std::uint32_t kInfoHeaderSize = 40;
constexpr std::uint32_t kBiRgb = 0;
constexpr std::uint32_t kBiBitfields = 3;
constexpr std::uint64_t kMaxPictureBytes = std::uint64_t{1} << 30;

[[noreturn]] void Invalid() { throw Exception(texts::kBitmapInvalid); }

// Little-endian reads that refuse to leave the file.
class Reader {
 public:
  explicit Reader(std::span<const std::uint8_t> bytes) : bytes_(bytes) {}
  std::uint32_t U16(std::uint64_t at) const {
    Need(at, 2);
    return bytes_[at] | bytes_[at + 1] << 8;
  }
  std::uint32_t U32(std::uint64_t at) const {
    Need(at, 4);
    return bytes_[at] | bytes_[at + 1] << 8 | bytes_[at + 2] << 16 | std::uint32_t{bytes_[at + 3]} << 24;
  }
  void Need(std::uint64_t at, std::uint64_t count) const {
    if (at > bytes_.size() || count > bytes_.size() - at) Invalid();
  }
  const std::uint8_t* At(std::uint64_t at) const { return bytes_.data() + at; }

 private:
  std::span<const std::uint8_t> bytes_;
};

// One colour channel given by a bit mask, scaled to 0..255.
struct Channel {
  std::uint32_t mask = 0;
  int shift = 0;
  std::uint32_t max = 0;

  explicit Channel(std::uint32_t m) : mask(m) {
    if (m == 0) return;
    shift = std::countr_zero(m);
    max = m >> shift;
  }
  std::uint8_t Of(std::uint32_t pixel) const {
    return max == 0 ? 0 : static_cast<std::uint8_t>(((pixel & mask) >> shift) * 255u / max);
  }
};

struct Layout {
  std::int64_t width = 0;
  std::int64_t height = 0;  // rows, always positive
  bool topDown = false;
  std::uint32_t bits = 0;
  std::uint32_t compression = kBiRgb;
  std::array<std::uint32_t, 3> masks{};  // red, green, blue
  std::uint64_t paletteAt = 0;
  std::uint32_t paletteEntries = 0;
  std::uint32_t paletteEntrySize = 4;
  std::uint64_t pixelsAt = 0;
};

Layout ReadLayout(const Reader& in) {
  if (in.U16(0) != 0x4D42) Invalid();  // "BM"
  Layout layout;
  layout.pixelsAt = in.U32(10);
  const std::uint32_t headerSize = in.U32(kFileHeaderSize);
  std::uint32_t planes = 0;
  std::uint32_t colorsUsed = 0;
  if (headerSize == kCoreHeaderSize) {
    layout.width = in.U16(18);
    layout.height = in.U16(20);
    planes = in.U16(22);
    layout.bits = in.U16(24);
    layout.paletteEntrySize = 3;
  } else if (headerSize >= kInfoHeaderSize && headerSize <= 124) {
    layout.width = static_cast<std::int32_t>(in.U32(18));
    const auto height = static_cast<std::int32_t>(in.U32(22));
    layout.topDown = height < 0;
    layout.height = std::llabs(std::int64_t{height});
    planes = in.U16(26);
    layout.bits = in.U16(28);
    layout.compression = in.U32(30);
    colorsUsed = in.U32(46);
  } else {
    Invalid();
  }
  if (layout.width <= 0 || layout.height <= 0 || planes != 1) Invalid();

  std::uint64_t afterHeader = kFileHeaderSize + std::uint64_t{headerSize};
  if (layout.compression == kBiBitfields) {
    if (layout.bits != 16 && layout.bits != 32) Invalid();
    // A 40-byte header keeps the three masks behind it; the larger headers
    // hold them inside.
    const std::uint64_t masksAt = kFileHeaderSize + kInfoHeaderSize;
    for (int c = 0; c < 3; ++c) layout.masks[c] = in.U32(masksAt + 4 * c);
    if (headerSize == kInfoHeaderSize) afterHeader += 12;
  } else if (layout.compression == kBiRgb) {
    switch (layout.bits) {
      case 1: case 4: case 8: case 24: break;
      case 16: layout.masks = {0x7C00, 0x03E0, 0x001F}; break;
      case 32: layout.masks = {0xFF0000, 0x00FF00, 0x0000FF}; break;
      default: Invalid();
    }
    if (headerSize == kCoreHeaderSize && (layout.bits == 16 || layout.bits == 32)) Invalid();
  } else {
    Invalid();  // run-length, JPEG and PNG contents are not handled
  }

  if (layout.bits <= 8) {
    const std::uint32_t full = 1u << layout.bits;
    if (colorsUsed > full) Invalid();
    layout.paletteEntries = colorsUsed != 0 ? colorsUsed : full;
    layout.paletteAt = afterHeader;
    in.Need(layout.paletteAt, std::uint64_t{layout.paletteEntries} * layout.paletteEntrySize);
    afterHeader += std::uint64_t{layout.paletteEntries} * layout.paletteEntrySize;
  }
  if (layout.pixelsAt < afterHeader) Invalid();
  return layout;
}

}  // namespace

Picture DecodeBitmapBytes(std::span<const std::uint8_t> bytes) {
  const Reader in(bytes);
  const Layout layout = ReadLayout(in);
  const std::uint64_t stride = (static_cast<std::uint64_t>(layout.width) * layout.bits + 31) / 32 * 4;
  // The rows must be in the file: this also bounds the picture by the file.
  in.Need(layout.pixelsAt, stride * static_cast<std::uint64_t>(layout.height));

  std::array<std::array<std::uint8_t, 3>, 256> palette{};  // entries past the table stay black
  for (std::uint32_t i = 0; i < layout.paletteEntries; ++i) {
    const std::uint8_t* bgr = in.At(layout.paletteAt + std::uint64_t{i} * layout.paletteEntrySize);
    palette[i] = {bgr[2], bgr[1], bgr[0]};
  }
  const Channel red(layout.masks[0]), green(layout.masks[1]), blue(layout.masks[2]);

  // A 1-bit file grows 24 times when decoded; keep that within reason.
  if (static_cast<std::uint64_t>(layout.width * layout.height) * 3 > kMaxPictureBytes) {
    throw EOutOfMemory(texts::kOutOfMemory);
  }
  Picture picture;
  picture.Width = static_cast<std::int32_t>(layout.width);
  picture.Height = static_cast<std::int32_t>(layout.height);
  picture.Rgb.resize(static_cast<std::size_t>(layout.width * layout.height * 3));
  for (std::int64_t y = 0; y < layout.height; ++y) {
    const std::int64_t fileRow = layout.topDown ? y : layout.height - 1 - y;
    const std::uint8_t* row = in.At(layout.pixelsAt + static_cast<std::uint64_t>(fileRow) * stride);
    std::uint8_t* out = picture.Rgb.data() + y * layout.width * 3;
    for (std::int64_t x = 0; x < layout.width; ++x, out += 3) {
      switch (layout.bits) {
        case 1: case 4: case 8: {
          const std::int64_t bit = x * layout.bits;
          const unsigned index = row[bit / 8] >> (8 - layout.bits - bit % 8) & ((1u << layout.bits) - 1);
          const auto& rgb = palette[index];
          out[0] = rgb[0], out[1] = rgb[1], out[2] = rgb[2];
          break;
        }
        case 24:
          out[0] = row[3 * x + 2], out[1] = row[3 * x + 1], out[2] = row[3 * x];
          break;
        default: {
          const std::uint8_t* p = row + x * (layout.bits / 8);
          const std::uint32_t pixel = layout.bits == 16 ? p[0] | p[1] << 8 : in.U32(p - in.At(0));
          out[0] = red.Of(pixel), out[1] = green.Of(pixel), out[2] = blue.Of(pixel);
        }
      }
    }
  }
  return picture;
}

}  // namespace sorvane
