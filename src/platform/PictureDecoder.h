#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace sorvane {

// A decoded picture: Width × Height pixels, 3 bytes (R, G, B) each, rows
// top to bottom. An empty picture has no pixels.
struct Picture {
  std::int32_t Width = 0;
  std::int32_t Height = 0;
  std::vector<std::uint8_t> Rgb;

  bool Empty() const { return Width <= 0 || Height <= 0; }
};

// The picture decoders. Each reads a whole file and throws an Exception with
// the decoder's German message when the file does not decode ("JPEG-Fehler #%d"
// with the decoder's message number, "Bitmap ist ungültig").
class PictureDecoder {
 public:
  virtual ~PictureDecoder() = default;
  virtual Picture DecodeJpeg(const std::string& path) = 0;
  virtual Picture DecodeBitmap(const std::string& path) = 0;
};

}  // namespace sorvane
