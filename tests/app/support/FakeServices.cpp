#include "FakeServices.h"

#include <cctype>
#include <sstream>

#include "platform/Errors.h"

namespace sorvane {

int FakeLocale::CompareStrings(std::string_view a, std::string_view b) {
  const std::size_t n = std::min(a.size(), b.size());
  for (std::size_t i = 0; i < n; ++i) {
    const int x = std::tolower(static_cast<unsigned char>(a[i]));
    const int y = std::tolower(static_cast<unsigned char>(b[i]));
    if (x != y) return x < y ? -1 : 1;
  }
  if (a.size() != b.size()) return a.size() < b.size() ? -1 : 1;
  // Otherwise equal words: lower case first, as the word order has it.
  for (std::size_t i = 0; i < n; ++i) {
    if (a[i] != b[i]) return std::islower(static_cast<unsigned char>(a[i])) ? -1 : 1;
  }
  return 0;
}

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
