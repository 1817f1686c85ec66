#pragma once

#include <array>
#include <span>
#include <string_view>

namespace sorvane {

// The member name endings the preview tries to show, upper case with the
// dot. Compared exactly: Foto.JPG qualifies, Foto.jpg does not. Of these only
// ".JPG" and ".BMP" decode; ".TIF" and ".GIF" reach the picture loading and
// fail there with its message.
inline constexpr std::array<std::string_view, 4> PreviewExtensions = {".JPG", ".BMP", ".TIF", ".GIF"};

// The index of the first entry of list equal to text byte for byte
// (case-sensitive), -1 when none is.
int IndexOfText(std::span<const std::string_view> list, std::string_view text);

}  // namespace sorvane
