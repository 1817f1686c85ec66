#pragma once

#include <cstdint>

namespace sorvane {

// A colour as the window system stores it: red in bits 0 to 7, green in bits
// 8 to 15, blue in bits 16 to 23.
using Color = std::uint32_t;

constexpr Color MakeColor(int red, int green, int blue) {
  return static_cast<Color>((red & 0xFF) | ((green & 0xFF) << 8) | ((blue & 0xFF) << 16));
}
constexpr int RedOf(Color color) { return static_cast<int>(color & 0xFF); }
constexpr int GreenOf(Color color) { return static_cast<int>((color >> 8) & 0xFF); }
constexpr int BlueOf(Color color) { return static_cast<int>((color >> 16) & 0xFF); }

// The colour at position of range steps from `from` to `to`, channel by
// channel: from + (to - from) * position / range, the division truncating
// toward zero (so a falling channel stays a step longer at its start value
// than a rising one). A range of 0 or less gives `from`.
Color BlendColor(Color from, Color to, int position, int range);

}  // namespace sorvane
