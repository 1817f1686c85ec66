#include "forms/art/ProgramArt.h"

#include <cstddef>

#include "platform/Errors.h"
#include "platform/BitmapDecoder.h"

namespace sorvane {
namespace art {
extern const unsigned char kLogoBitmap[];
extern const std::size_t kLogoBitmapSize;
extern const unsigned char kIconPng[];
extern const std::size_t kIconPngSize;
extern const unsigned char kIconRgba[];
extern const std::size_t kIconRgbaSize;
}  // namespace art

const IconPicture& ProgramIcon() {
  static const IconPicture icon{32, 32, std::vector<std::uint8_t>(art::kIconRgba, art::kIconRgba + art::kIconRgbaSize)};
  return icon;
}

std::span<const std::uint8_t> ProgramIconPng() { return {art::kIconPng, art::kIconPngSize}; }

Picture EmbeddedBitmaps::LoadBitmap(const std::string& name) {
  // Resource names compare without regard to case, as the system's do.
  std::string upper = name;
  for (char& c : upper) c = (c >= 'a' && c <= 'z') ? static_cast<char>(c - 'a' + 'A') : c;
  if (upper != "LOGO") throw Exception(FormatText(texts::kResourceNotFound, name));
  return DecodeBitmapBytes({art::kLogoBitmap, art::kLogoBitmapSize});
}

}  // namespace sorvane
