#pragma once

#include <string>

namespace sorvane::sample {

// The sample's pictures, drawn by program so that the build needs no binary
// files: a sunset over the sea as a baseline JPEG (libjpeg), and a coloured
// chessboard as an uncompressed 24-bit Windows bitmap.
std::string SunsetJpeg(int width, int height);
std::string ChessboardBmp(int width, int height);

}  // namespace sorvane::sample
