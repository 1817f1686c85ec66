#include "platform/Cp1252CodePage.h"

#include <gtest/gtest.h>

namespace sorvane {
namespace {

TEST(Cp1252CodePageTest, EveryByteSurvivesTheRoundTripThroughUtf8) {
  Cp1252CodePage cp;
  AnsiString all;
  for (int b = 0; b < 256; ++b) all += static_cast<char>(b);
  EXPECT_EQ(cp.Utf8ToAnsi(cp.AnsiToUtf8(all)), all);
}

TEST(Cp1252CodePageTest, UmlautsAndTheEuroSign) {
  Cp1252CodePage cp;
  EXPECT_EQ(cp.AnsiToUtf8("Gr\xF6\xDF" "e \x80"), "Größe €");
  EXPECT_EQ(cp.Utf8ToAnsi("Größe €"), "Gr\xF6\xDF" "e \x80");
}

TEST(Cp1252CodePageTest, CharactersWithoutCounterpartBecomeQuestionMarks) {
  Cp1252CodePage cp;
  EXPECT_EQ(cp.Utf8ToAnsi("a\xCE\xA9" "b"), "a?b");           // Greek omega
  EXPECT_EQ(cp.Utf8ToAnsi("\xF0\x9F\x98\x80"), "?");           // one emoji, one mark
  EXPECT_EQ(cp.WideToAnsi(u"\u0100x\U0001F600"), "?x?");
  EXPECT_EQ(cp.WideToAnsi(std::u16string(1, char16_t(0xD800))), "?");  // lone surrogate
}

TEST(Cp1252CodePageTest, MalformedUtf8DecodesToReplacementCharacters) {
  Cp1252CodePage cp;
  EXPECT_EQ(cp.Utf8ToWide("a\xC3"), u"a\uFFFD");              // cut off
  EXPECT_EQ(cp.Utf8ToWide("\xC0\xAF"), u"\uFFFD\uFFFD");        // overlong
  EXPECT_EQ(cp.Utf8ToWide("\xED\xA0\x80"), u"\uFFFD\uFFFD\uFFFD");  // encoded surrogate
  EXPECT_EQ(cp.Utf8ToWide("\xF0\x9F\x98\x80"), u"\U0001F600");
}

}  // namespace
}  // namespace sorvane
