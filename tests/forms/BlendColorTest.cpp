// The channel-wise blend of the About strip and the update wizard.
#include <gtest/gtest.h>

#include "forms/BlendColor.h"

namespace sorvane {
namespace {

constexpr Color kLightBlue = MakeColor(74, 160, 255);
constexpr Color kWhite = MakeColor(255, 255, 255);

TEST(BlendColorTest, EndsAndChannelsInTheirBits) {
  EXPECT_EQ(kLightBlue, 74u + 160u * 256u + 255u * 65536u);
  EXPECT_EQ(BlendColor(kLightBlue, kWhite, 0, 326), kLightBlue);
  EXPECT_EQ(BlendColor(kLightBlue, kWhite, 326, 326), kWhite);
  EXPECT_EQ(BlendColor(kWhite, kLightBlue, 109, 109), kLightBlue);
  // Red and blue must not trade places: a pure red blend leaves green and
  // blue at zero.
  EXPECT_EQ(BlendColor(MakeColor(0, 0, 0), MakeColor(255, 0, 0), 1, 2), MakeColor(127, 0, 0));
}

TEST(BlendColorTest, TruncatesTowardZeroInBothDirections) {
  // Rising: 74 + 181 * 1 / 326 = 74 (0.55 truncated), green 160 + 95 / 326.
  EXPECT_EQ(BlendColor(kLightBlue, kWhite, 1, 326), MakeColor(74, 160, 255));
  EXPECT_EQ(BlendColor(kLightBlue, kWhite, 163, 326), MakeColor(164, 207, 255));
  // Falling: 255 - 181 / 109 = 255 - 1 (not - 2, as flooring would give);
  // green 255 - 95 / 109 stays 255.
  EXPECT_EQ(BlendColor(kWhite, kLightBlue, 1, 109), MakeColor(254, 255, 255));
  EXPECT_EQ(BlendColor(kWhite, kLightBlue, 108, 109), MakeColor(76, 161, 255));
}

TEST(BlendColorTest, EmptyRangeGivesTheStartColour) {
  EXPECT_EQ(BlendColor(kLightBlue, kWhite, 0, 0), kLightBlue);
  EXPECT_EQ(BlendColor(kLightBlue, kWhite, 3, -1), kLightBlue);
}

}  // namespace
}  // namespace sorvane
