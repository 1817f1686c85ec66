#include <gtest/gtest.h>

#include <string>
#include <utility>

#include "components/update/UpdateInstallation.h"
#include "platform/BatchScriptDialect.h"
#include "platform/Format.h"
#include "platform/posix/ShellScriptDialect.h"

namespace sorvane {
namespace {

const ScriptPaths kPaths{"/opt/Prog/", "/tmp/t/", "/opt/Prog/sorvane"};

std::string Script(const std::string& text, bool restart = true, const ScriptPaths& paths = kPaths) {
  return BuildUpdateScript(text, paths, restart, ShellScriptDialect());
}

TEST(UpdateScriptTest, GroupsFormatTheirLinesWithProgramAndTempFolder) {
  EXPECT_EQ(Script("echo start\r\n"
                   "cp %s\r\n"
                   "ls %0:s x\r\n"
                   "mv %s %s\r\n"
                   "second group %s\r\n"
                   "a\r\nb\r\nc"),
            "echo start\n"
            "cp '/opt/Prog/'\n"
            "ls '/opt/Prog/' x\n"
            "mv '/tmp/t/' '/opt/Prog/'\n"
            "second group %s\n"  // first lines of a group are copied as they stand
            "a\nb\nc\n"
            "setsid -f '/opt/Prog/sorvane' </dev/null >/dev/null 2>&1\n"
            "rm -f '/tmp/t/Update.bat'\n");
}

TEST(UpdateScriptTest, LineAtGroupPositionBeginningWithBlankStartsTheTail) {
  EXPECT_EQ(Script(" cd %s\n rm %s*\n%%x", false), " cd '/tmp/t/'\n rm '/tmp/t/'*\n%x\nrm -f '/tmp/t/Update.bat'\n");
  // A blank inside a group is no tail.
  EXPECT_EQ(Script("a\n b %s\nc\nd\n e %s\n", false),
            "a\n b '/opt/Prog/'\nc\nd\n e '/tmp/t/'\nrm -f '/tmp/t/Update.bat'\n");
}

TEST(UpdateScriptTest, EmptyTemplateOrIncompleteGroupIsAMissingLine) {
  using namespace std::string_literals;
  const std::pair<std::string, const char*> cases[] = {
      {"", "Listenindex überschreitet das Maximum (0)"},
      {"\0ignored"s, "Listenindex überschreitet das Maximum (0)"},
      {"a\nb", "Listenindex überschreitet das Maximum (2)"},
      {"a\nb\nc\nd\ne", "Listenindex überschreitet das Maximum (5)"},
  };
  for (const auto& [text, message] : cases) {
    try {
      Script(text);
      ADD_FAILURE() << text;
    } catch (const EStringListError& e) {
      EXPECT_STREQ(e.what(), message);
    }
  }
  EXPECT_THROW(Script("a\nb %s %s\nc\nd"), EConvertError);
  EXPECT_THROW(Script(" %d"), EConvertError);
}

TEST(UpdateScriptTest, LinesAsTheStringListReadsThem) {
  EXPECT_EQ(SplitTemplateLines("a\r\nb\nc\rd\n\ne\r\n"), (std::vector<std::string>{"a", "b", "c", "d", "", "e"}));
  EXPECT_EQ(SplitTemplateLines("a\n\r\nb"), (std::vector<std::string>{"a", "", "b"}));
  EXPECT_EQ(SplitTemplateLines(std::string("a\nb\0c\nd", 7)), (std::vector<std::string>{"a", "b"}));
  EXPECT_TRUE(SplitTemplateLines("").empty());
}

TEST(UpdateScriptTest, ShellScriptsQuoteEveryPathAndBatchFilesDoubleOnlyPercentSigns) {
  const ScriptPaths odd{"/opt/$(x) `y`/", "/tmp/it's \"ö\"/", "/opt/$(x) `y`/sorvane"};
  EXPECT_EQ(Script("a\nmv %ssorvane x\nb\ncp %s%s\n %sz", true, odd),
            "a\nmv '/opt/$(x) `y`/'sorvane x\nb\ncp '/tmp/it'\\''s \"ö\"/''/opt/$(x) `y`/'\n"
            " '/tmp/it'\\''s \"ö\"/'z\n"
            "setsid -f '/opt/$(x) `y`/sorvane' </dev/null >/dev/null 2>&1\n"
            "rm -f '/tmp/it'\\''s \"ö\"/Update.bat'\n");
  EXPECT_EQ(ShellQuote("''"), "''\\'''\\'''");

  // The example of a Windows installation, the paths in the program's "/"
  // form: "\" in the batch file, the script's own name quoted for a
  // temporary folder with a blank in it.
  const ScriptPaths windows{"C:/Programme/", "C:/Users/Max Muster/Temp/", "C:/Programme/ZVQExtr.exe"};
  EXPECT_EQ(BuildUpdateScript("x\ncopy \"%sa\"\nb\nc \"%s\" %s", windows, true, BatchScriptDialect()),
            "x\r\ncopy \"C:\\Programme\\a\"\r\nb\r\nc \"C:\\Users\\Max Muster\\Temp\\\" C:\\Programme\\\r\n"
            "start \"\" \"C:\\Programme\\ZVQExtr.exe\"\r\ndel \"C:\\Users\\Max Muster\\Temp\\Update.bat\"\r\n");

  // Every path passes the interpreter's code page, the appended lines' too.
  const BatchScriptDialect oem([](const std::string& path) { return "<" + path + ">"; });
  EXPECT_EQ(BuildUpdateScript(" x %s", windows, true, oem),
            " x <C:\\Users\\Max Muster\\Temp\\>\r\nstart \"\" \"<C:\\Programme\\ZVQExtr.exe>\"\r\n"
            "del \"<C:\\Users\\Max Muster\\Temp\\Update.bat>\"\r\n");

  // A "%" would start a variable of the batch file, which vanishes when it
  // is unknown: doubled, it stays one "%".
  const ScriptPaths percent{"C:/50% von 100%/", "C:/T%/", "C:/50% von 100%/ZVQExtr.exe"};
  EXPECT_EQ(BuildUpdateScript("x\n%s\nb\n%s", percent, true, BatchScriptDialect()),
            "x\r\nC:\\50%% von 100%%\\\r\nb\r\nC:\\T%%\\\r\nstart \"\" \"C:\\50%% von 100%%\\ZVQExtr.exe\"\r\n"
            "del \"C:\\T%%\\Update.bat\"\r\n");
}

}  // namespace
}  // namespace sorvane
