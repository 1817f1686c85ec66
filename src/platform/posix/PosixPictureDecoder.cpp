#include "platform/posix/PosixPictureDecoder.h"

#include <fstream>
#include <iterator>
#include <vector>

#include "platform/Errors.h"
#include "platform/BitmapDecoder.h"
#include "platform/JpegDecoder.h"

namespace sorvane {

namespace {

std::vector<std::uint8_t> ReadWholeFile(const std::string& path) {
  std::ifstream file(path, std::ios::binary);
  if (!file) throw EFOpenError(FormatText(texts::kFOpenError, path));
  std::vector<std::uint8_t> bytes((std::istreambuf_iterator<char>(file)), std::istreambuf_iterator<char>());
  if (file.bad()) throw EReadError(texts::kReadError);
  return bytes;
}

}  // namespace

Picture PosixPictureDecoder::DecodeJpeg(const std::string& path) { return DecodeJpegBytes(ReadWholeFile(path)); }

Picture PosixPictureDecoder::DecodeBitmap(const std::string& path) { return DecodeBitmapBytes(ReadWholeFile(path)); }

}  // namespace sorvane
