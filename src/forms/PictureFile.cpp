#include "forms/PictureFile.h"

#include <algorithm>

#include "platform/FilePath.h"
#include "platform/Errors.h"

namespace sorvane {
namespace {

std::string LowerAscii(std::string text) {
  std::transform(text.begin(), text.end(), text.begin(),
                 [](unsigned char c) { return static_cast<char>(c >= 'A' && c <= 'Z' ? c + ('a' - 'A') : c); });
  return text;
}

}  // namespace

Picture LoadPicture(PictureDecoder& decoder, const std::string& path) {
  std::string extension = ExtractFileExt(path);
  if (!extension.empty()) extension.erase(0, 1);  // the dot
  const std::string kind = LowerAscii(extension);
  if (kind == "jpg" || kind == "jpeg") return decoder.DecodeJpeg(path);
  if (kind == "bmp") return decoder.DecodeBitmap(path);
  if (kind == "ico" || kind == "wmf" || kind == "emf") {
    throw Exception(FormatText(texts::kUnsupportedPictureFormat, extension));
  }
  throw Exception(FormatText(texts::kUnknownPictureExtension, extension));
}

}  // namespace sorvane
