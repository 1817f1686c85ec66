#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace sorvane::sample {

// Encodes width × height pixels with libjpeg into a baseline JPEG file.
// components is 1 (grey), 3 (RGB) or 4 (CMYK, written with the Adobe marker
// as libjpeg does); pixels holds components bytes per pixel, rows top down.
std::string EncodeJpeg(int width, int height, int components, const std::vector<std::uint8_t>& pixels,
                       int quality = 85);

}  // namespace sorvane::sample
