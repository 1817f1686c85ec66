#include "forms/LogoStrip.h"

#include <cmath>

namespace sorvane {
namespace {

constexpr Color kLightBlue = MakeColor(74, 160, 255);
constexpr Color kWhite = MakeColor(255, 255, 255);

// The gradient's white column: three quarters across.
std::int32_t WhiteColumn(std::int32_t width) { return Nearest(width * 0.75); }

void AndLogo(PixelBuffer& strip, const Picture& logo, std::int32_t left, std::int32_t top) {
  for (std::int32_t y = 0; y < logo.Height; ++y) {
    for (std::int32_t x = 0; x < logo.Width; ++x) {
      const std::size_t at = (static_cast<std::size_t>(y) * logo.Width + x) * 3;
      const Color pixel = MakeColor(logo.Rgb[at], logo.Rgb[at + 1], logo.Rgb[at + 2]);
      const std::int32_t sx = left + x, sy = top + y;
      if (sx >= 0 && sy >= 0 && sx < strip.Width && sy < strip.Height) strip.Set(sx, sy, strip.At(sx, sy) & pixel);
    }
  }
}

// Draws the icon over the strip; its transparent pixels keep the strip.
void DrawIcon(PixelBuffer& strip, const IconPicture& icon, std::int32_t left, std::int32_t top) {
  for (std::int32_t y = 0; y < icon.Height; ++y) {
    for (std::int32_t x = 0; x < icon.Width; ++x) {
      const std::uint8_t* p = &icon.Rgba[(static_cast<std::size_t>(y) * icon.Width + x) * 4];
      const std::int32_t sx = left + x, sy = top + y;
      if (p[3] == 0 || sx < 0 || sy < 0 || sx >= strip.Width || sy >= strip.Height) continue;
      const Color under = strip.At(sx, sy);
      const auto mix = [&](int over, int below) { return (over * p[3] + below * (255 - p[3]) + 127) / 255; };
      strip.Set(sx, sy, MakeColor(mix(p[0], RedOf(under)), mix(p[1], GreenOf(under)), mix(p[2], BlueOf(under))));
    }
  }
}

// A one-pixel frame along the rectangle's edges, right and bottom excluded.
void FrameRect(PixelBuffer& strip, std::int32_t left, std::int32_t top, std::int32_t right, std::int32_t bottom,
               Color color) {
  for (std::int32_t x = left; x < right; ++x) {
    strip.Set(x, top, color);
    strip.Set(x, bottom - 1, color);
  }
  for (std::int32_t y = top; y < bottom; ++y) {
    strip.Set(left, y, color);
    strip.Set(right - 1, y, color);
  }
}

}  // namespace

std::int32_t Nearest(double value) { return static_cast<std::int32_t>(std::nearbyint(value)); }

PixelBuffer::PixelBuffer(std::int32_t width, std::int32_t height)
    : Width(width), Height(height), Rgb(static_cast<std::size_t>(width) * height * 3, 0) {}

Color PixelBuffer::At(std::int32_t x, std::int32_t y) const {
  const std::size_t at = (static_cast<std::size_t>(y) * Width + x) * 3;
  return MakeColor(Rgb[at], Rgb[at + 1], Rgb[at + 2]);
}

void PixelBuffer::Set(std::int32_t x, std::int32_t y, Color color) {
  if (x < 0 || y < 0 || x >= Width || y >= Height) return;
  const std::size_t at = (static_cast<std::size_t>(y) * Width + x) * 3;
  Rgb[at] = static_cast<std::uint8_t>(RedOf(color));
  Rgb[at + 1] = static_cast<std::uint8_t>(GreenOf(color));
  Rgb[at + 2] = static_cast<std::uint8_t>(BlueOf(color));
}

void PixelBuffer::VerticalLine(std::int32_t x, Color color) {
  for (std::int32_t y = 0; y < Height; ++y) Set(x, y, color);
}

PixelBuffer PaintLogoStrip(std::int32_t width, std::int32_t height, const Picture& logo, const IconPicture* icon,
                           Color boxColor) {
  PixelBuffer strip(width, height);
  const std::int32_t a = WhiteColumn(width);
  for (std::int32_t i = 0; i <= a; ++i) strip.VerticalLine(i, BlendColor(kLightBlue, kWhite, i, a));
  // The right part's last line falls one column beyond the strip.
  const std::int32_t b = width - a;
  for (std::int32_t i = 0; i <= b; ++i) strip.VerticalLine(width - b + i, BlendColor(kWhite, kLightBlue, i, b));

  if (!logo.Empty()) AndLogo(strip, logo, width - b - logo.Width / 2, 4);

  if (icon != nullptr) {
    const std::int32_t top = height / 2 - icon->Height / 2;
    DrawIcon(strip, *icon, 8, top);
    FrameRect(strip, 7, top - 1, icon->Width + 8, icon->Height / 2 + height / 2, boxColor);
  }
  return strip;
}

LogoTextRows PlaceLogoTexts(std::int32_t height, std::int32_t iconWidth, std::int32_t titleBoldHeight,
                            std::int32_t titleHeight, std::int32_t timeHeight) {
  const std::int32_t middle = height / 2;
  return {iconWidth + 16, middle - Nearest(1.5 * titleBoldHeight), middle - Nearest(0.5 * titleHeight),
          middle + Nearest(0.5 * timeHeight)};
}

}  // namespace sorvane
