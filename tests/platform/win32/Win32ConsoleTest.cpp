// The console's code pages as the system converts them, for files and pipes.
// Wine answers ANSI code page 1252 and OEM code page 437 for the locales at
// hand (a German Windows has 850); the letters below have the same bytes in
// both. A console itself takes UTF-16 (the tools' tests under Wine).
#include "platform/win32/Win32Console.h"

#include <gtest/gtest.h>

#include "platform/win32/WindowsApi.h"

namespace sorvane {
namespace {

// UTF-8 of the program, the OEM bytes of the console.
constexpr std::pair<const char*, const char*> kLetters[] = {
    {"\xC3\xA4", "\x84"}, {"\xC3\xB6", "\x94"}, {"\xC3\xBC", "\x81"}, {"\xC3\x84", "\x8E"},
    {"\xC3\x96", "\x99"}, {"\xC3\x9C", "\x9A"}, {"\xC3\x9F", "\xE1"}, {"\xC3\xA9", "\x82"},
};

class Win32ConsoleTest : public ::testing::Test {
 protected:
  void SetUp() override {
    if (GetACP() != 1252 || (GetOEMCP() != 437 && GetOEMCP() != 850))
      GTEST_SKIP() << "code pages " << GetACP() << "/" << GetOEMCP() << " have other bytes";
  }
  Win32Console console;
};

TEST_F(Win32ConsoleTest, ProgramTextReachesAPipeInTheOemCodePageAndAConsoleWhole) {
  for (const auto& [utf8, oem] : kLetters) {
    EXPECT_EQ(console.ForTerminal(std::string("G") + utf8 + "ste\n"), std::string("G") + oem + "ste\r\n") << utf8;
  }
  // What the OEM code page lacks cannot reach a pipe as it is.
  EXPECT_EQ(console.ForTerminal("\xE2\x82\xAC 5"), "? 5") << "the euro sign has no place in the OEM page";
  EXPECT_EQ(console.ForTerminal(""), "");
  EXPECT_EQ(WideConsoleText("\xE2\x82\xAC \xC5\x81\xC3\xB3" "d\xC5\xBA \xF0\x9F\x98\x80\n"), L"\u20AC \u0141\u00F3d\u017A \U0001F600\r\n");
}

TEST_F(Win32ConsoleTest, ArgumentsAreTheWideCommandLines) {
  char ansi[] = "?";
  char* argv[] = {ansi};
  const std::vector<std::string> arguments = console.Arguments(1, argv);
  ASSERT_FALSE(arguments.empty());
  EXPECT_NE(arguments.front(), "?");
  EXPECT_TRUE(arguments.front().ends_with(".exe")) << arguments.front();
}

}  // namespace
}  // namespace sorvane
