#include "platform/MemoryStream.h"

#include <gtest/gtest.h>

#include "platform/Errors.h"

namespace sorvane {
namespace {

TEST(MemoryStreamTest, ReadBufferFailsWithReadErrorWhenShort) {
  MemoryStream stream("abc");
  char out[4] = {};
  EXPECT_THROW(stream.ReadBuffer(out, 4), EReadError);
  try {
    MemoryStream again("abc");
    again.ReadBuffer(out, 4);
  } catch (const EReadError& e) {
    EXPECT_STREQ(e.what(), "Stream-Lesefehler");
  }
}

TEST(MemoryStreamTest, SeekPastEndReadsNothingAndWriteFillsTheGap) {
  MemoryStream stream("ab");
  EXPECT_EQ(stream.Seek(4, SeekOrigin::Begin), 4);
  char c;
  EXPECT_EQ(stream.Read(&c, 1), 0u);
  stream.WriteBuffer("z", 1);
  EXPECT_EQ(stream.Bytes(), std::string("ab\0\0z", 5));
  EXPECT_THROW(stream.Seek(-6, SeekOrigin::Current), EReadError);
  EXPECT_EQ(stream.Position(), 5);
}

TEST(FormatTextTest, ReplacesThePlaceholder) {
  EXPECT_EQ(FormatText(texts::kFOpenError, "/tmp/a b.zvq"), "Datei /tmp/a b.zvq kann nicht geöffnet werden");
}

}  // namespace
}  // namespace sorvane
