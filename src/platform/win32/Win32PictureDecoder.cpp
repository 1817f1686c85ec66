#include "platform/win32/Win32PictureDecoder.h"

#include <vector>

#include "platform/BitmapDecoder.h"
#include "platform/Errors.h"
#include "platform/JpegDecoder.h"

namespace sorvane {
namespace {

std::vector<std::uint8_t> ReadWholeFile(FileSystem& files, const std::string& path) {
  const std::unique_ptr<Stream> file = files.OpenRead(path);
  const std::int64_t size = file->Size();
  if (size < 0) throw EReadError(texts::kReadError);
  std::vector<std::uint8_t> bytes(static_cast<std::size_t>(size));
  file->ReadBuffer(bytes.data(), bytes.size());
  return bytes;
}

}  // namespace

Picture Win32PictureDecoder::DecodeJpeg(const std::string& path) { return DecodeJpegBytes(ReadWholeFile(files_, path)); }

Picture Win32PictureDecoder::DecodeBitmap(const std::string& path) {
  return DecodeBitmapBytes(ReadWholeFile(files_, path));
}

}  // namespace sorvane
