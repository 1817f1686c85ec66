#include "platform/FormatSize.h"

#include <gtest/gtest.h>

namespace sorvane {
namespace {

constexpr std::int64_t kTiB = 1024LL * 1024 * 1024 * 1024;

TEST(FormatSizeTest, ShortUnitsWithComma) {
  const struct {
    std::int64_t size;
    const char* text;
  } rows[] = {
      {0, "0 Byte"},
      {1023, "1023 Byte"},
      {1024, "1 KB"},
      {1536, "1,5 KB"},
      {10199, "9,96 KB"},           // rounding to 10 adds a digit
      {1023976, "999,98 KB"},
      {1048575, "1024 KB"},         // just below 1 MB stays in KB
      {123456789, "117,7 MB"},
      {2147483647, "2 GB"},
      {kTiB * 1024, "1024 TB"},     // no unit beyond the fifth
      {kTiB * 1024 * 1024, "1048576 TB"},
      {-1, "-1 Byte"},
      {-5000, "-5000 Byte"},        // negative sizes are never divided
      {1280, "1,3 KB"},             // an exact half rounds away from zero
      {1126, "1,1 KB"},
  };
  for (const auto& row : rows) {
    EXPECT_EQ(FormatSize(1, false, row.size, ","), row.text) << row.size;
  }
}

TEST(FormatSizeTest, LongUnitsAndOtherSeparators) {
  EXPECT_EQ(FormatSize(1, true, 1536, ","), "1,5 Kilobyte");
  EXPECT_EQ(FormatSize(1, true, kTiB * 1024, ","), "1024 Terrabyte");
  EXPECT_EQ(FormatSize(1, true, 3 * 1024 * 1024, ","), "3 Megabyte");
  EXPECT_EQ(FormatSize(1, false, 1536, "."), "1.5 KB");
  EXPECT_EQ(FormatSize(2, false, 1537, "٫"), "1٫5 KB");
}

TEST(FormatSizeTest, ExtraDigitsCountSignificantDigits) {
  EXPECT_EQ(FormatSize(0, false, 1536, ","), "2 KB");
  EXPECT_EQ(FormatSize(3, false, 1537, ","), "1,501 KB");
  EXPECT_EQ(FormatSize(2, false, 10199, ","), "9,96 KB");  // the third decimal is a zero
  EXPECT_EQ(FormatSize(1, false, INT64_MAX, ","), "8388608 TB");
}

}  // namespace
}  // namespace sorvane
