#include "components/update/UpdateList.h"

#include <gtest/gtest.h>

#include "platform/Cp1252CodePage.h"

namespace sorvane {
namespace {

double Day(int year, int month, int day) { return *TryEncodeDate(year, month, day); }

class UpdateListTest : public ::testing::Test {
 protected:
  UpdateList List(const std::string& contents) {
    return UpdateList(std::make_shared<const ProfileText>(contents), "ZVQ");
  }
  AnsiString Filter(const AnsiString& news) { return FilterNews(news, reference, dates, codePage); }

  Cp1252CodePage codePage;
  DateSettings dates{"dd.MM.yyyy", '.', 2026};
  const double today = Day(2026, 3, 10);
  const double reference = Day(2003, 2, 1) + 0.5;  // the program file's date, noon
};

TEST_F(UpdateListTest, TheComparisonWithTheProgramFile) {
  const struct {
    const char* file;
    bool available;
  } cases[] = {
      {"[ZVQ]\nFile=ZVQ1.zip\n", true},           // no date: today
      {"[ZVQ]\nDate=kein Datum\n", true},         // no valid date: today
      {"[ZVQ]\n", false},                         // an empty section is absent
      {"[Other]\nDate=01.01.2030\n", false},
      {"[zvq]\nDate=02.02.2003\n", true},
      {"[ZVQ]\nDate=01.02.2003\n", false},        // the file's own day, but the file is from noon
      {"[ZVQ]\nDate=31.01.2003\n", false},
  };
  for (const auto& c : cases) EXPECT_EQ(List(c.file).UpdateAvailable(dates, today, reference), c.available) << c.file;
  EXPECT_TRUE(List("[ZVQ]\nDate=01.02.2003\n").UpdateAvailable(dates, today, Day(2003, 2, 1)));
}

TEST_F(UpdateListTest, ValuesAndDefaults) {
  UpdateList full = List("[ZVQ]\nFile=ZVQ1.zip\nNews=\"a\",\"b\"\nSignature=c2ln\n");
  EXPECT_EQ(full.File(), "ZVQ1.zip");
  EXPECT_EQ(full.News(), "a\",\"b") << "the profile reader strips the enclosing quotes first";
  EXPECT_EQ(full.Signature(), "c2ln");
  UpdateList bare = List("[ZVQ]\nDate=01.01.2030\n");
  EXPECT_EQ(bare.Date(dates, today), Day(2030, 1, 1));
  EXPECT_EQ(bare.File(), "");
  EXPECT_EQ(bare.Signature(), "");
  EXPECT_EQ(Filter(bare.News()), "- keine Angaben gefunden\r\n");
  EXPECT_EQ(UpdateListUrl("updates.example.org"), "http://updates.example.org/Updates.ini");
  EXPECT_EQ(ArchiveUrl("127.0.0.1:8080", bare.File()), "http://127.0.0.1:8080/Updates/");
}

TEST_F(UpdateListTest, FilterNewsKeepsWhatIsNotOlderThanTheProgram) {
  EXPECT_EQ(Filter("\"01.02.2003: gleicher Tag\",\"31.01.2003: alt\",\"02.02.2003: neu\""),
            "- 01.02.2003: gleicher Tag\r\n- 02.02.2003: neu\r\n");
  // Unquoted entries split at blanks; the words after the first have no colon.
  EXPECT_EQ(Filter("02.02.2003:Neu im Men\xFC"), "- 02.02.2003:Neu\r\n- im\r\n- Men\xFC\r\n");
  EXPECT_EQ(Filter("31.01.2003:alt,\"1.1.03: auch alt\""), "");
  EXPECT_EQ(Filter(""), "");
  EXPECT_EQ(Filter("\"ohne Datum\",x"), "- ohne Datum\r\n- x\r\n");
}

TEST_F(UpdateListTest, FilterNewsRefusesAnInvalidDate) {
  for (const auto& [news, message] : {std::pair{"\"\xC4nderung: neu\"", "'Änderung' ist kein gültiges Datum"},
                                      std::pair{"ok,:leer", "'' ist kein gültiges Datum"},
                                      std::pair{"\"Zeit 10:30\"", "'Zeit 10' ist kein gültiges Datum"}}) {
    try {
      Filter(news);
      ADD_FAILURE() << news;
    } catch (const EConvertError& e) {
      EXPECT_EQ(std::string(e.what()), message);
    }
  }
}

}  // namespace
}  // namespace sorvane
