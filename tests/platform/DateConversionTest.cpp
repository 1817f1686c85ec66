#include "platform/DateConversion.h"

#include <gtest/gtest.h>

#include <optional>

#include "platform/CommaText.h"

namespace sorvane {
namespace {

double Day(int year, int month, int day) { return *TryEncodeDate(year, month, day); }

TEST(DateConversionTest, CalendarDaysAndDateTimes) {
  EXPECT_EQ(TryEncodeDate(1899, 12, 30), 0.0);
  EXPECT_EQ(TryEncodeDate(2000, 1, 1), 36526.0);
  EXPECT_EQ(TryEncodeDate(1899, 12, 29), -1.0);
  EXPECT_EQ(TryEncodeDate(2003, 2, 29), std::nullopt);
  EXPECT_EQ(TryEncodeDate(0, 1, 1), std::nullopt);
  EXPECT_EQ(TryEncodeDate(2003, 13, 1), std::nullopt);
  for (const CalendarDay d : {CalendarDay{1, 1, 1}, CalendarDay{1899, 12, 29}, CalendarDay{2004, 2, 29},
                              CalendarDay{2026, 12, 31}, CalendarDay{9999, 12, 31}}) {
    // The time of day counts away from zero, also before 1899-12-30.
    const double date = Day(d.year, d.month, d.day);
    const CalendarDay back = DecodeDate(date < 0 ? date - 0.75 : date + 0.75);
    EXPECT_EQ(back.year * 10000 + back.month * 100 + back.day, d.year * 10000 + d.month * 100 + d.day);
  }
}

TEST(DateConversionTest, StrToDateFollowsTheShortDateFormat) {
  const DateSettings german{"dd.MM.yyyy", '.', 2026};
  const DateSettings american{"M/d/yyyy", '/', 2026};
  const DateSettings iso{"yyyy-MM-dd", '-', 2026};
  const struct {
    const DateSettings& settings;
    const char* text;
    std::optional<double> date;
  } cases[] = {
      {german, "24.12.2003", Day(2003, 12, 24)},
      {german, " 24 . 12 .  2003 ", Day(2003, 12, 24)},  // blanks before numbers, separators and at the end
      {german, "24.12.2003.", Day(2003, 12, 24)},        // one separator may end the text
      {german, "24.12", Day(2026, 12, 24)},              // no year: the current one
      {german, "24.12.", std::nullopt},                  // a second separator wants the year
      {german, "24.12.03", Day(2003, 12, 24)},           // two-digit years: 1976 to 2075
      {german, "24.12.76", Day(1976, 12, 24)},
      {german, "24.12.75", Day(2075, 12, 24)},
      {german, "1.1.0", Day(2000, 1, 1)},
      {german, "24.12.003", Day(3, 12, 24)},             // three digits stand as they are
      {german, "0024.012.2003", Day(2003, 12, 24)},
      {german, "29.02.2004", Day(2004, 2, 29)},
      {german, "29.02.2003", std::nullopt},
      {german, "24.12.20030", std::nullopt},             // a number stops once it reaches 1000
      {german, "24.12.2003..", std::nullopt},
      {german, "24/12/2003", std::nullopt},
      {german, "24.12.2003 x", std::nullopt},
      {german, "\t24.12.2003", std::nullopt},            // only blanks are skipped
      {german, "24", std::nullopt},
      {german, "24..12", std::nullopt},
      {german, "-1.12.2003", std::nullopt},
      {german, "", std::nullopt},
      {american, "12/24/2003", Day(2003, 12, 24)},
      {american, "24/12/2003", std::nullopt},
      {american, "2/3", Day(2026, 2, 3)},
      {iso, "2003-12-24", Day(2003, 12, 24)},
      {iso, "03-12-24", Day(2003, 12, 24)},
      {iso, "12-24", Day(2026, 12, 24)},                 // two numbers: month and day
  };
  for (const auto& c : cases) EXPECT_EQ(TryStrToDate(c.text, c.settings), c.date) << c.text;
}

TEST(DateConversionTest, StrToDateErrorAndDateTexts) {
  const DateSettings german{"dd.MM.yyyy", '.', 2026};
  try {
    StrToDate("Neu 7.1", german);
    FAIL() << "no error";
  } catch (const EConvertError& e) {
    EXPECT_STREQ(e.what(), "'Neu 7.1' ist kein gültiges Datum");
  }
  EXPECT_EQ(DateToStr(Day(2003, 2, 4) + 0.5, german), "04.02.2003");
  EXPECT_EQ(DateToStr(Day(2003, 2, 4), DateSettings{"M/d/yy", '/', 2026}), "2/4/03");
  EXPECT_EQ(DateToStr(Day(2003, 2, 4), DateSettings{"d 'de' MMMM yyyy", ' ', 2026}), "4 de 02 2003");
  EXPECT_EQ(DateSeparatorOf("dd.MM.yyyy"), '.');
  EXPECT_EQ(DateSeparatorOf("yyyy-MM-dd"), '-');
  EXPECT_EQ(DateSeparatorOf("dd 'de' MMMM"), '/');
}

TEST(CommaTextTest, SplitsAsTheRuntimeDoes) {
  using List = std::vector<std::string>;
  const struct {
    const char* text;
    List entries;
  } cases[] = {
      {"", {}},
      {" \t ", {}},
      {"a,b", {"a", "b"}},
      {"  a , b  ", {"a", "b"}},
      {"01.02.2003: Neu im Menü", {"01.02.2003:", "Neu", "im", "Menü"}},  // blanks separate
      {"\"01.02.2003: Neu, besser\",x", {"01.02.2003: Neu, besser", "x"}},
      {"\"sagt \"\"hallo\"\"\"", {"sagt \"hallo\""}},
      {"\"offen", {"offen"}},                    // no closing quote: to the end
      {"\"a\"b", {"a", "b"}},                    // text after the closing quote starts an entry
      {"a,,b", {"a", "", "b"}},
      {",a", {"", "a"}},
      {"a,", {"a", ""}},                         // a final comma adds an empty entry
      {"a, ", {"a"}},
      {"a\x01\x1F" "b", {"a", "b"}},
      {"\xE4\xF6,\x80", {"\xE4\xF6", "\x80"}},   // high bytes are text
  };
  for (const auto& c : cases) EXPECT_EQ(SplitCommaText(c.text), c.entries) << c.text;
  EXPECT_EQ(SplitCommaText(std::string("a\0,b", 4)), List{"a"});  // a zero byte ends the text
}

}  // namespace
}  // namespace sorvane
