#include "ListCommand.h"

#include <gtest/gtest.h>

#include <sstream>

#include "fakes/FakeFileSystem.h"
#include "fakes/FakeLocale.h"
#include "platform/DateConversion.h"
#include "platform/Cp1252CodePage.h"
#include "platform/UpdateSection.h"

namespace sorvane::orvelupdate {
namespace {

struct FixedCalendar : Calendar {
  double Today() override { return 46000; }  // 2025-12-09
  double Now() override { return 46000.5; }
  std::optional<double> FileDate(const std::string&) override { return std::nullopt; }
};

class ListCommandTest : public ::testing::Test {
 protected:
  int Run(const std::string& contents, ListOptions options = {}) {
    files.AddFile("/srv/Updates.ini", contents);
    if (options.updatesIni.empty()) options.updatesIni = "/srv/Updates.ini";
    Services output{out, err, out};
    ListServices services{files, codePage, locale, calendar, output};
    return RunList(options, services);
  }

  FakeFileSystem files;
  Cp1252CodePage codePage;
  FakeLocale locale;
  FixedCalendar calendar;
  std::ostringstream out, err;
};

TEST_F(ListCommandTest, PrintsWhatTheProgramReads) {
  EXPECT_EQ(Run("[ZVQ]\r\nDate=24.12.2025\r\nFile=ZVQ1.zip\r\nSize=4096\r\n"
                "News=\"9.12.2025: Men\xFC neu\",\"1.12.2025: alt\",ohne\r\n",
                {"", "zvq", "2025-12-09T00:00:00"}),
            0);
  EXPECT_EQ(out.str(),
            "Section: present\nDate: 24.12.2025\nFile: ZVQ1.zip\nSize: 4096\nUpdate: yes\nNews:\n"
            "- 9.12.2025: Menü neu\n- ohne\n");
  EXPECT_EQ(err.str(), "");
}

TEST_F(ListCommandTest, WithoutAByteCountThereIsNoUpdate) {
  // The program takes no archive of unknown size; this system's section is
  // the default.
  for (const char* size : {"", "Size=12a\n", "Size=-5\n"}) {
    out.str("");
    EXPECT_EQ(Run("[" + UpdateSection("ZVQ") + "]\nFile=a.zip\n" + size, {"", "", "2025-12-01T00:00:00"}), 0);
    EXPECT_EQ(out.str(), "Section: present\nDate: 09.12.2025\nFile: a.zip\nSize: missing\nUpdate: no\nNews:\n"
                         "- keine Angaben gefunden\n") << size;
  }
}

TEST_F(ListCommandTest, AbsentSectionAndDefaults) {
  EXPECT_EQ(Run("[Other]\nDate=1.1.2030\n[ZVQ]\n", {"", "ZVQ", ""}), 0);
  EXPECT_EQ(out.str(),
            "Section: absent\nDate: 09.12.2025\nFile: \nSize: missing\nUpdate: no\nNews:\n- keine Angaben gefunden\n");
}

TEST_F(ListCommandTest, Failures) {
  EXPECT_EQ(Run("[ZVQ]\nNews=x,\"Neu: y\"\n", {"", "ZVQ", ""}), 1);
  EXPECT_EQ(err.str(), "orvelupdate: 'Neu' ist kein gültiges Datum.\n");
  err.str("");
  EXPECT_EQ(Run("", {"/srv/missing.ini", "ZVQ", ""}), 1);
  EXPECT_EQ(err.str(), "orvelupdate: Datei /srv/missing.ini kann nicht geöffnet werden.\n");
  EXPECT_EQ(Run("", {"", "ZVQ", "2025-02-30T00:00:00"}), 2);
}

TEST_F(ListCommandTest, ReferenceDates) {
  EXPECT_EQ(ParseReferenceDate("2003-12-24T12:00:00"), *TryEncodeDate(2003, 12, 24) + 0.5);
  for (const char* bad : {"2003-12-24", "2003-12-24 12:00:00", "2003-12-24T24:00:00", "03-12-24T12:00:00x"}) {
    EXPECT_EQ(ParseReferenceDate(bad), std::nullopt) << bad;
  }
}

}  // namespace
}  // namespace sorvane::orvelupdate
