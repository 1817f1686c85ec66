#include "forms/PreviewExtensions.h"

namespace sorvane {

int IndexOfText(std::span<const std::string_view> list, std::string_view text) {
  for (std::size_t i = 0; i < list.size(); ++i) {
    if (list[i] == text) return static_cast<int>(i);
  }
  return -1;
}

}  // namespace sorvane
