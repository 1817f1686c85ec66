#include "platform/ProfileText.h"

#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <vector>

#include "RecordedTables.h"

namespace sorvane {
namespace {

TEST(ProfileTextTest, ValuesFollowTheWindowsRules) {
  const struct {
    const char* file;
    const char* section;
    const char* key;
    std::optional<std::string> value;
  } cases[] = {
      {"[ZVQ]\nDate=24.12.2003\n", "zvq", "DATE", "24.12.2003"},
      {"[ZVQ]\r\n  Date  =   24.12.2003 \t\r\n", "ZVQ", "Date", "24.12.2003"},
      {"[ZVQ]\rFile=a.zip\r", "ZVQ", "File", "a.zip"},            // lone CR ends lines
      {"\xEF\xBB\xBF[ZVQ]\nFile=a.zip", "ZVQ", "File", "a.zip"},  // byte order mark, no final line end
      {"[ZVQ]\nNews=\"a, b\"", "ZVQ", "News", "a, b"},
      {"[ZVQ]\nNews='a b'", "ZVQ", "News", "a b"},
      {"[ZVQ]\nNews=\"a b'", "ZVQ", "News", "\"a b'"},  // quotes must match
      {"[ZVQ]\nNews=\"a\"b\"", "ZVQ", "News", "a\"b"},  // one pair stripped
      {"[ZVQ]\nNews=\"", "ZVQ", "News", "\""},          // a lone quote stays
      {"[ZVQ]\nNews=\"\"", "ZVQ", "News", ""},
      {"[ZVQ]\nNews=\" a \"", "ZVQ", "News", " a "},    // blanks inside quotes stay
      {"[ZVQ]\nDate=1\nDate=2\n", "ZVQ", "Date", "1"},  // the first equal key wins
      {"[ZVQ]\nFile=a\n[zvq]\nFile=b\nDate=3\n", "ZVQ", "Date", std::nullopt},  // only the first section counts
      {"[ZVQ]\nFile=a=b\n", "ZVQ", "File", "a=b"},
      {"[ZVQ]\nFile=\n", "ZVQ", "File", ""},
      {"[ZVQ]\nFile\n", "ZVQ", "File", std::nullopt},  // no "=": no value
      {"[ZVQ]\n;File=a\n", "ZVQ", ";File", std::nullopt},
      {"File=a\n[ZVQ]\n", "ZVQ", "File", std::nullopt},  // before any section
      {"[ZVQ] trailing\nFile=a\n", "ZVQ", "File", "a"},
      {"[ZV]Q]\nFile=a\n", "ZV]Q", "File", "a"},           // up to the last "]"
      {"[ZVQ\nFile=a\n", "ZVQ", "File", std::nullopt},      // no "]": no section
      {"[ZVQ]\nFile=a\n", "  ZVQ ", " File ", "a"},        // the names asked for are trimmed
      {"[\xC4nderung]\nFile=a\n", "\xE4nderung", "file", "a"},  // code page 1252 letters fold
  };
  for (const auto& c : cases) EXPECT_EQ(ProfileText(c.file).Value(c.section, c.key), c.value) << c.file;
}

// Answers of Windows' reader recorded by tools/record-windows-text: the file's
// text, section, key and value ("-" for the default), "|" between them and
// some bytes written as \xHH. Blanks inside a section's brackets do not
// belong to its name: "[ ZVQ ]" is the section "ZVQ".
TEST(ProfileTextTest, BlanksInNamesAsWindowsReadsThem) {
  const auto answers = testing::ReadProfileRecording();
  for (const auto& answer : answers) {
    EXPECT_EQ(ProfileText(answer.file).Value(answer.section, answer.key), answer.value) << answer.line;
  }
  EXPECT_GT(answers.size(), 20U);
}

TEST(ProfileTextTest, ZeroBytesAndLongValues) {
  EXPECT_EQ(ProfileText(std::string("[S]\nK=a\0b\n", 10)).Value("S", "K"), "a");
  const std::string longValue(3000, 'x');
  EXPECT_EQ(ProfileText("[S]\nK=" + longValue).Value("S", "K"), longValue.substr(0, 2047));
  EXPECT_EQ(ProfileText("[S]\nK=\"" + longValue + "\"").Value("S", "K"), longValue.substr(0, 2047));
}

TEST(ProfileTextTest, ASectionCountsOnlyWithAKey) {
  EXPECT_TRUE(ProfileText("[ZVQ]\n\n; note\n[Other]\nx=1").Keys("ZVQ").empty());
  EXPECT_TRUE(ProfileText("[ZVQ]\n=value\n").Keys("ZVQ").empty());
  EXPECT_EQ(ProfileText("[ZVQ]\nFile\nDate=1\nfile=2").Keys("zvq"), (std::vector<std::string>{"File", "Date", "file"}));
}

}  // namespace
}  // namespace sorvane
