#pragma once

#include "platform/PictureDecoder.h"

namespace sorvane {

// Reads a picture file whole and decodes it: JPEG with libjpeg, Windows
// bitmaps with our own decoder. A file that cannot be read throws
// EFOpenError "Datei %s kann nicht geöffnet werden".
class PosixPictureDecoder : public PictureDecoder {
 public:
  Picture DecodeJpeg(const std::string& path) override;
  Picture DecodeBitmap(const std::string& path) override;
};

}  // namespace sorvane
