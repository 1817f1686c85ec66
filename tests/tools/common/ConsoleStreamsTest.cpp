// Text on its way to the console: converted whole characters at a time,
// failures of the terminal's stream not lost.
#include "common/ConsoleStreams.h"

#include <gtest/gtest.h>

#include <sstream>

namespace sorvane::tools {
namespace {

// Shows "ä" as "{ae}" and every other non-ASCII byte as "?", so that a
// character converted in two halves shows up as "??".
class MarkingConsole : public Console {
 public:
  std::string ForTerminal(const std::string& text) override {
    std::string shown;
    for (std::size_t i = 0; i < text.size(); ++i) {
      if (text.compare(i, 2, "\xC3\xA4") == 0) {
        shown += "{ae}";
        ++i;
      } else {
        shown += static_cast<unsigned char>(text[i]) < 0x80 ? text[i] : '?';
      }
    }
    return shown;
  }
  bool WriteText(Channel channel, const std::string& text) override {
    if (channel != textChannel) return false;
    taken += text;
    return true;
  }
  std::vector<std::string> Arguments(int argc, char** argv) override {
    std::vector<std::string> texts;
    for (int i = 0; i < argc; ++i) texts.push_back("<" + std::string(argv[i]) + ">");
    return texts;
  }
  bool IsTerminal(Channel) override { return true; }
  bool CanAsk() override { return false; }
  std::optional<std::string> ReadHidden(const std::string&) override { return std::nullopt; }

  // The channel that takes text as it is, as a Windows console does.
  std::optional<Channel> textChannel;
  std::string taken;
};

// A terminal whose writes fail.
class RefusingBuffer : public std::streambuf {
 protected:
  std::streamsize xsputn(const char*, std::streamsize) override { return 0; }
};

TEST(ConsoleStreamsTest, ACharacterCutBetweenWritesIsConvertedWhole) {
  MarkingConsole console;
  std::stringstream terminal;
  {
    ConsoleBuffer buffer(console, Console::Channel::Output, *terminal.rdbuf());
    std::ostream out(&buffer);
    out << "G\xC3" << std::flush;
    EXPECT_EQ(terminal.str(), "G") << "the first half waits for the second";
    out << "\xA4ste " << std::string(5000, 'x') << "\xC3";
    out << "\xA4\n" << std::flush;
    EXPECT_TRUE(out.good());
  }
  EXPECT_EQ(terminal.str(), "G{ae}ste " + std::string(5000, 'x') + "{ae}\n");
}

TEST(ConsoleStreamsTest, AFailedWriteLeavesTheStreamFailed) {
  MarkingConsole console;
  RefusingBuffer terminal;
  ConsoleBuffer buffer(console, Console::Channel::Output, terminal);
  std::ostream out(&buffer);
  out << "Liste\n" << std::flush;
  EXPECT_TRUE(out.bad());
}

TEST(ConsoleStreamsTest, AConsoleThatTakesTextGetsItWholeAfterTheBytesBeforeIt) {
  MarkingConsole console;
  console.textChannel = Console::Channel::Error;
  std::stringstream terminal;
  ConsoleBuffer buffer(console, Console::Channel::Error, *terminal.rdbuf());
  std::ostream out(&buffer);
  terminal << "raw ";
  out << "G\xC3" << std::flush << "\xA4ste\n" << std::flush;
  EXPECT_EQ(console.taken, "G\xC3\xA4ste\n") << "not converted, the letter not cut";
  EXPECT_EQ(terminal.str(), "raw ");
}

TEST(ConsoleStreamsTest, ArgumentsAreConvertedAndTheProgramNameComesFirst) {
  MarkingConsole console;
  char program[] = "zvq", list[] = "list";
  char* argv[] = {program, list};
  const ConsoleArguments arguments(console, 2, argv);
  ASSERT_EQ(arguments.Count(), 2);
  EXPECT_STREQ(arguments.Values()[0], "<zvq>");
  EXPECT_EQ(arguments.Operands(), std::vector<std::string>{"<list>"});
}

}  // namespace
}  // namespace sorvane::tools
