#pragma once

#include <cstdint>
#include <span>

#include "platform/PictureDecoder.h"

namespace sorvane {

namespace texts {
inline constexpr char kBitmapInvalid[] = "Bitmap ist ungültig";
}  // namespace texts

// Decodes the bytes of a Windows bitmap file (.bmp): the OS/2 core header
// and the Windows headers of 40 to 124 bytes, uncompressed (BI_RGB) with
// 1, 4, 8, 16, 24 or 32 bits per pixel, and BI_BITFIELDS with 16 or 32 bits.
// Bottom-up and top-down rows. Anything else, and every header whose sizes
// do not fit the file, throws an Exception "Bitmap ist ungültig"; nothing is
// read outside the given bytes and nothing is allocated beyond what the file
// can fill.
Picture DecodeBitmapBytes(std::span<const std::uint8_t> bytes);

}  // namespace sorvane
