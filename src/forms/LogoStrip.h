#pragma once

#include <cstdint>
#include <vector>

#include "forms/BlendColor.h"
#include "platform/PictureDecoder.h"

namespace sorvane {

// An icon: Width × Height pixels, 4 bytes (R, G, B, alpha) each, rows top to
// bottom.
struct IconPicture {
  std::int32_t Width = 0;
  std::int32_t Height = 0;
  std::vector<std::uint8_t> Rgba;
};

// A painted area: Width × Height pixels, 3 bytes (R, G, B) each, rows top to
// bottom.
struct PixelBuffer {
  std::int32_t Width = 0;
  std::int32_t Height = 0;
  std::vector<std::uint8_t> Rgb;

  PixelBuffer(std::int32_t width, std::int32_t height);
  Color At(std::int32_t x, std::int32_t y) const;
  // Both clip to the buffer.
  void Set(std::int32_t x, std::int32_t y, Color color);
  void VerticalLine(std::int32_t x, Color color);
};

// The About box's logo strip without its texts: a light blue – white – light
// blue gradient, the maker's logo ANDed onto it channel by channel, centred
// on the white column at y = 4, and the icon at x = 8, centred vertically,
// inside a one-pixel frame in the box's colour. Everything outside the strip
// is cut off. The window system has no AND for pictures everywhere, so the
// strip is painted here and handed over whole.
PixelBuffer PaintLogoStrip(std::int32_t width, std::int32_t height, const Picture& logo, const IconPicture* icon,
                           Color boxColor);

// Where the strip's three text rows start: all at x, the title at titleY
// (measured with its bold height), the version at versionY (the title's
// regular height) and the development time at timeY (its own height).
struct LogoTextRows {
  std::int32_t x, titleY, versionY, timeY;
};
LogoTextRows PlaceLogoTexts(std::int32_t height, std::int32_t iconWidth, std::int32_t titleBoldHeight,
                            std::int32_t titleHeight, std::int32_t timeHeight);

// The integer nearest to value, a half going to the even neighbour.
std::int32_t Nearest(double value);

}  // namespace sorvane
