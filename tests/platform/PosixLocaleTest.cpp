#include "platform/posix/PosixLocale.h"

#include <gtest/gtest.h>
#include <stdlib.h>

#include <optional>
#include <string>

#include "platform/posix/DatePicture.h"

namespace sorvane {
namespace {

TEST(DatePictureTest, CLibraryFormatsBecomePictures) {
  const struct {
    const char* format;
    const char* picture;
  } cases[] = {
      {"%d.%m.%Y", "dd.MM.yyyy"},
      {"%m/%d/%y", "MM/dd/yy"},
      {"%D", "MM/dd/yy"},
      {"%F", "yyyy-MM-dd"},
      {"%-d.%-m.%Y", "d.M.yyyy"},
      {"%e/%m/%Ey", "d/MM/yy"},
      {"%d %b %Y", "dd MMM yyyy"},
      {"%A, %d. %B %Y", "dddd, dd. MMMM yyyy"},
      {"%Y\xE5\xB9\xB4%m\xE6\x9C\x88%d\xE6\x97\xA5", "yyyy\xE5\xB9\xB4MM\xE6\x9C\x88" "dd\xE6\x97\xA5"},
      {"%d de %B de %Y", "dd 'de' MMMM 'de' yyyy"},  // letters quoted, not read as fields
      {"100%%", "100%"},
      {"", ""},
  };
  for (const auto& c : cases) EXPECT_EQ(StrftimeToDatePicture(c.format), c.picture) << c.format;
}

TEST(DatePictureTest, CLibraryTimeFormatsBecomePictures) {
  EXPECT_EQ(StrftimeToTimePicture("%H:%M:%S"), "HH:mm:ss");
  EXPECT_EQ(StrftimeToTimePicture("%r"), "hh:mm:ss tt");
  EXPECT_EQ(StrftimeToTimePicture("%-I.%M %p"), "h.mm tt");
  EXPECT_EQ(StrftimeToTimePicture("%Hh%M"), "HH'h'mm");
  EXPECT_EQ(StrftimeToTimePicture("%d.%m"), "HH:mm:ss");  // no time fields at all
}

// Sets an environment variable for the life of the object.
class ScopedEnv {
 public:
  ScopedEnv(const char* name, const char* value) : name_(name) {
    if (const char* old = getenv(name)) old_ = old;
    setenv(name, value, 1);
  }
  ~ScopedEnv() {
    if (old_) setenv(name_, old_->c_str(), 1);
    else unsetenv(name_);
  }

 private:
  const char* name_;
  std::optional<std::string> old_;
};

// German conventions come out the same whether or not the machine has the
// German locale installed.
TEST(PosixLocaleTest, GermanGivesCommaAndDayMonthYear) {
  PosixLocale german("de_DE.UTF-8", "de_DE.UTF-8");
  EXPECT_EQ(german.DecimalSeparator(), ",");
  EXPECT_EQ(german.ShortDateFormat(), "dd.MM.yyyy");
  EXPECT_EQ(german.LongTimeFormat(), "HH:mm:ss");
  PosixLocale swiss("de_CH.UTF-8", "de_CH.UTF-8");
  EXPECT_EQ(swiss.DecimalSeparator(), ".");
}

TEST(PosixLocaleTest, CLocaleAndUnknownNames) {
  PosixLocale c("C", "C");
  EXPECT_EQ(c.DecimalSeparator(), ".");
  EXPECT_EQ(c.ShortDateFormat(), "MM/dd/yy");
  PosixLocale unknown("xx_YY", "dev_XX");  // "dev" is not German
  EXPECT_EQ(unknown.DecimalSeparator(), ".");
  EXPECT_EQ(unknown.ShortDateFormat(), "MM/dd/yy");
}

TEST(PosixLocaleTest, EnvironmentChoosesTheLocaleLcAllFirst) {
  ScopedEnv lang("LANG", "C");
  ScopedEnv numeric("LC_NUMERIC", "de_AT.UTF-8");
  ScopedEnv all("LC_ALL", "");
  EXPECT_EQ(PosixLocale().DecimalSeparator(), ",");
  {
    ScopedEnv all2("LC_ALL", "en_US.UTF-8");
    EXPECT_EQ(PosixLocale().DecimalSeparator(), ".");
  }
}

TEST(PosixLocaleTest, CompareStringsIsTheWordOrder) {
  PosixLocale locale("C", "C");
  EXPECT_LT(locale.CompareStrings("a", "B"), 0);
  EXPECT_LT(locale.CompareStrings("B", "c"), 0);
  EXPECT_LT(locale.CompareStrings("coop", "co-op"), 0);
  EXPECT_EQ(locale.CompareStrings("\xC4pfel", "\xC4pfel"), 0);
}

}  // namespace
}  // namespace sorvane
