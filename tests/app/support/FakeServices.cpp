#include "FakeServices.h"

#include <sstream>

#include "platform/Errors.h"

namespace sorvane {

Picture FakePictureDecoder::Decode(const std::string& kind, const std::string& path, const std::string& failure) {
  std::unique_ptr<Stream> file = files_.OpenRead(path);
  std::string bytes(static_cast<std::size_t>(file->Size()), '\0');
  file->ReadBuffer(bytes.data(), bytes.size());
  calls.push_back(kind + " " + path + " " + bytes);
  std::istringstream in(bytes);
  std::string magic;
  Picture picture;
  if (!(in >> magic >> picture.Width >> picture.Height) || magic != "PIC") throw Exception(failure);
  picture.Rgb.assign(static_cast<std::size_t>(picture.Width) * static_cast<std::size_t>(picture.Height) * 3, 0x80);
  return picture;
}

}  // namespace sorvane
