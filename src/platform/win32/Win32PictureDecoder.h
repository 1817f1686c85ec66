#pragma once

#include "platform/PictureDecoder.h"
#include "platform/win32/Win32FileSystem.h"

namespace sorvane {

// Reads a picture file whole through the ANSI file calls (so that a UTF-8
// path reaches the file Windows knows by its ANSI name) and decodes it: JPEG
// with libjpeg, Windows bitmaps with our own decoder. A file that cannot be
// read throws EFOpenError "Datei %s kann nicht geöffnet werden".
class Win32PictureDecoder : public PictureDecoder {
 public:
  Picture DecodeJpeg(const std::string& path) override;
  Picture DecodeBitmap(const std::string& path) override;

 private:
  Win32FileSystem files_;
};

}  // namespace sorvane
