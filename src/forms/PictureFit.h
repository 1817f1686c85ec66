#pragma once

#include <cstdint>

namespace sorvane {

struct PictureRect {
  std::int32_t Left = 0;
  std::int32_t Top = 0;
  std::int32_t Width = 0;
  std::int32_t Height = 0;

  friend bool operator==(const PictureRect&, const PictureRect&) = default;
};

// Where a picture of width × height is drawn in a client area of
// clientWidth × clientHeight: stretched or shrunk to fit with its shape kept
// and centred (Image's stretch, proportional and centre settings). Sizes are
// cut to whole pixels, offsets halved towards zero. A picture without area
// takes the whole client area.
PictureRect FitPicture(std::int32_t width, std::int32_t height, std::int32_t clientWidth,
                       std::int32_t clientHeight);

}  // namespace sorvane
