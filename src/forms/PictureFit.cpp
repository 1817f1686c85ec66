#include "forms/PictureFit.h"

namespace sorvane {

PictureRect FitPicture(std::int32_t width, std::int32_t height, std::int32_t clientWidth,
                       std::int32_t clientHeight) {
  PictureRect rect{0, 0, clientWidth, clientHeight};
  if (width > 0 && height > 0) {
    // The aspect ratio w / h applied in whole numbers: cw / (w / h) is
    // cw * h / w, cut, so exact ratios give exact sizes without rounding
    // noise of floating point.
    const std::int64_t w = width;
    const std::int64_t h = height;
    const std::int64_t cw = clientWidth;
    const std::int64_t ch = clientHeight;
    std::int64_t drawnWidth;
    std::int64_t drawnHeight;
    if (w > h) {
      drawnWidth = cw;
      drawnHeight = cw * h / w;
      if (drawnHeight > ch) {
        drawnHeight = ch;
        drawnWidth = ch * w / h;
      }
    } else {
      drawnHeight = ch;
      drawnWidth = ch * w / h;
      if (drawnWidth > cw) {
        drawnWidth = cw;
        drawnHeight = cw * h / w;
      }
    }
    rect.Width = static_cast<std::int32_t>(drawnWidth);
    rect.Height = static_cast<std::int32_t>(drawnHeight);
  }
  rect.Left = (clientWidth - rect.Width) / 2;
  rect.Top = (clientHeight - rect.Height) / 2;
  return rect;
}

}  // namespace sorvane
