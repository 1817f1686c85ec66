#pragma once

#include <string>

#include "platform/PictureDecoder.h"

namespace sorvane {

// The bitmap resources the program carries in its file.
class BitmapResources {
 public:
  virtual ~BitmapResources() = default;

  // The bitmap resource named name, decoded. Throws Exception "Ressource %s
  // nicht gefunden" when the program has none of that name.
  virtual Picture LoadBitmap(const std::string& name) = 0;
};

namespace texts {
inline constexpr char kResourceNotFound[] = "Ressource %s nicht gefunden";
}  // namespace texts

}  // namespace sorvane
