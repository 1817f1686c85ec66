#include "forms/PictureFit.h"

#include <algorithm>
#include <cmath>

namespace sorvane {

PictureRect FitPicture(std::int32_t width, std::int32_t height, std::int32_t clientWidth,
                       std::int32_t clientHeight) {
  PictureRect rect{0, 0, clientWidth, clientHeight};
  if (width > 0 && height > 0) {
    // The aspect ratio as a floating-point number, multiplied or divided and
    // cut. Whole-number arithmetic (cw * h / w) differs by a pixel where the
    // ratio has no exact binary form: 41 x 40 in 320 x 240 is drawn 245
    // wide, not 246.
    const double a = static_cast<double>(width) / height;
    // Kept inside the integer's range for client areas of negative size.
    const auto cut = [](double v) {
      return static_cast<std::int32_t>(std::trunc(std::clamp(v, -2147483648.0, 2147483647.0)));
    };
    if (width > height) {
      rect.Width = clientWidth;
      rect.Height = cut(clientWidth / a);
      if (rect.Height > clientHeight) {
        rect.Height = clientHeight;
        rect.Width = cut(clientHeight * a);
      }
    } else {
      rect.Height = clientHeight;
      rect.Width = cut(clientHeight * a);
      if (rect.Width > clientWidth) {
        rect.Width = clientWidth;
        rect.Height = cut(clientWidth / a);
      }
    }
  }
  rect.Left = (clientWidth - rect.Width) / 2;
  rect.Top = (clientHeight - rect.Height) / 2;
  return rect;
}

}  // namespace sorvane
