#include "forms/PictureFit.h"

#include <gtest/gtest.h>

namespace sorvane {
namespace {

TEST(PictureFitTest, KeepsTheShapeAndCentres) {
  const struct {
    std::int32_t w, h, cw, ch;
    PictureRect drawn;
  } rows[] = {
      {100, 50, 320, 240, {0, 40, 320, 160}},    // wide: full width
      {50, 100, 320, 240, {100, 0, 120, 240}},   // tall: full height
      {240, 240, 320, 240, {40, 0, 240, 240}},   // square: as tall
      {4, 3, 320, 240, {0, 0, 320, 240}},        // same shape: fills
      {1, 1, 320, 240, {40, 0, 240, 240}},       // small pictures are enlarged
      {400, 100, 320, 50, {60, 0, 200, 50}},     // wide but the height limits
      {100, 400, 50, 320, {0, 60, 50, 200}},     // tall but the width limits
      {3, 2, 100, 100, {0, 17, 100, 66}},        // sizes cut, offset halved down
      {41, 40, 320, 240, {37, 0, 245, 240}},     // the ratio in floating point, then cut
      {1000, 1, 320, 240, {0, 120, 320, 0}},     // a line cut to nothing
      {0, 50, 320, 240, {0, 0, 320, 240}},       // no area: the whole client
      {50, -1, 320, 240, {0, 0, 320, 240}},
      {100, 50, 0, 0, {0, 0, 0, 0}},
  };
  for (const auto& row : rows) {
    const PictureRect drawn = FitPicture(row.w, row.h, row.cw, row.ch);
    EXPECT_EQ(drawn, row.drawn) << row.w << "x" << row.h << " in " << row.cw << "x" << row.ch << ": " << drawn.Left
                                << "," << drawn.Top << " " << drawn.Width << "x" << drawn.Height;
  }
}

TEST(PictureFitTest, LargeSizesDoNotOverflow) {
  const PictureRect drawn = FitPicture(60000, 30000, 60000, 60000);
  EXPECT_EQ(drawn, (PictureRect{0, 15000, 60000, 30000}));
}

}  // namespace
}  // namespace sorvane
