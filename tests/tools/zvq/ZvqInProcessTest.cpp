// The commands run inside the test on the in-memory file system, for the
// failures a real disk does not produce on demand and for the password query.
#include <gtest/gtest.h>

#include <functional>
#include <sstream>

#include "ExitStatus.h"
#include "ZvqCommands.h"
#include "container/ContainerWriter.h"
#include "fakes/FakeFileSystem.h"
#include "platform/MemoryStream.h"
#include "platform/NativeServices.h"

namespace sorvane::zvq {
namespace {

class ScriptedPrompt : public PasswordPrompt {
 public:
  bool Available() override { return available; }
  std::optional<std::string> Ask(const std::string& prompt) override {
    prompts.push_back(prompt);
    if (onAsk) onAsk();
    return answer;
  }

  bool available = true;
  std::optional<std::string> answer;
  std::function<void()> onAsk;
  std::vector<std::string> prompts;
};

std::string Container(const AnsiString& guestPassword, const std::vector<std::pair<AnsiString, std::string>>& members) {
  MemoryStream bytes;
  ContainerWriter writer(bytes, 1);
  for (const auto& [name, data] : members) writer.AddMember(name, {1}, data);
  writer.Finish({{"Gast", guestPassword, 0}}, "T", "A");
  return bytes.Bytes();
}

class ZvqInProcessTest : public ::testing::Test {
 protected:
  void SetUp() override { files.AddFolder("/out"); }

  int Run(std::vector<std::string> arguments) {
    arguments.insert(arguments.begin(), "zvq");
    std::vector<const char*> argv;
    for (const std::string& a : arguments) argv.push_back(a.c_str());
    out.str("");
    err.str("");
    return RunZvq(static_cast<int>(argv.size()), argv.data(), services);
  }

  FakeFileSystem files;
  const std::unique_ptr<CodePage> codePage = NewCodePage();
  const std::unique_ptr<Locale> locale = NewLocale();
  ScriptedPrompt prompt;
  std::ostringstream out;
  std::ostringstream err;
  ZvqServices services{files, *codePage, *locale, prompt, out, err};
};

TEST_F(ZvqInProcessTest, GuestPasswordIsAskedOnTheTerminalWithTheProgramsPrompt) {
  files.AddFile("/c.zvq", Container("Tor", {{"a", "x"}}));
  prompt.answer = "Tor";
  EXPECT_EQ(Run({"list", "/c.zvq"}), kDone);
  ASSERT_EQ(prompt.prompts.size(), 1u);
  EXPECT_NE(prompt.prompts[0].find("Geben Sie zum Öffnen der Dateien das erforderliche Passwort ein."),
            std::string::npos);
  EXPECT_EQ(out.str(), "a\t1 Byte\n");

  // A cancelled query ends quietly, like the wizard's.
  prompt.answer.reset();
  EXPECT_EQ(Run({"list", "/c.zvq"}), kUsageOrLogin);
  EXPECT_EQ(err.str(), "");
  EXPECT_EQ(out.str(), "");

  // A password file goes first; no one is asked.
  files.AddFile("/pw", "Tor\n");
  prompt.prompts.clear();
  EXPECT_EQ(Run({"list", "/c.zvq", "--password-file", "/pw"}), kDone);
  EXPECT_TRUE(prompt.prompts.empty());
}

TEST_F(ZvqInProcessTest, NoPasswordQueryWhenTheGuestNeedsNone) {
  files.AddFile("/c.zvq", Container("", {{"a", "x"}}));
  EXPECT_EQ(Run({"list", "/c.zvq"}), kDone);
  EXPECT_TRUE(prompt.prompts.empty());
}

TEST_F(ZvqInProcessTest, FullDiskMeansNotWrittenAndTheOtherMembersGoOn) {
  files.AddFile("/c.zvq", Container("", {{"a", "0123456789"}, {"b", "bb"}}));
  files.LimitWrites("/out/a", 4);
  EXPECT_EQ(Run({"extract", "/c.zvq", "-d", "/out"}), kNotWritten);
  EXPECT_EQ(err.str(), "zvq: /out/a: Stream-Schreibfehler.\n");
  EXPECT_EQ(files.FileBytes("/out/b"), "bb");
  EXPECT_EQ(out.str(), "/out/b\n");
}

TEST_F(ZvqInProcessTest, EachMemberIsCopiedFromTheContainerAsItIsNowOnDisk) {
  files.AddFile("/c.zvq", Container("Tor", {{"a", "alt"}, {"b", "alt"}}));
  // The login comes between the load and the copies: replace the container
  // there, as another program might.
  prompt.answer = "Tor";
  prompt.onAsk = [&] { files.AddFile("/c.zvq", Container("", {{"b", "neu"}, {"a", "neu!"}})); };
  EXPECT_EQ(Run({"extract", "/c.zvq", "-d", "/out"}), kDone) << err.str();
  EXPECT_EQ(files.FileBytes("/out/a"), "neu!");
  EXPECT_EQ(files.FileBytes("/out/b"), "neu");
  EXPECT_EQ(files.OpenCount("/c.zvq"), 0) << "the container is closed when the run ends";
}

TEST_F(ZvqInProcessTest, ContainerCutShortDuringTheCopyStopsWithStatusThree) {
  const std::string whole = Container("Tor", {{"a", std::string(100, 'x')}, {"b", "bb"}});
  files.AddFile("/c.zvq", whole);
  prompt.answer = "Tor";
  // Cut inside a's data: the record head is complete, the data is not.
  prompt.onAsk = [&] { files.AddFile("/c.zvq", whole.substr(0, 8 + 4 + 1 + 4 + 4 + 4 + 50)); };
  EXPECT_EQ(Run({"extract", "/c.zvq", "-d", "/out"}), kUnreadable);
  EXPECT_EQ(err.str(), "zvq: /out/a: Stream-Lesefehler.\n");
  EXPECT_EQ(files.FileBytes("/out/a"), std::string(50, 'x')) << "the target keeps what was copied";
  EXPECT_FALSE(files.HasFile("/out/b")) << "the run stops";

  files.AddFile("/c.zvq", whole);
  prompt.onAsk = [&] { files.FailOpen("/c.zvq"); };
  EXPECT_EQ(Run({"extract", "/c.zvq", "-d", "/out", "--overwrite"}), kUnreadable);
  EXPECT_EQ(err.str(), "zvq: Datei /c.zvq kann nicht geöffnet werden.\n");
}

// A clock that moves 30 ms each time it is read, as if every block took that
// long to write.
class TickingClock : public Clock {
 public:
  std::int64_t NowMs() override { return now += 30; }
  std::int64_t now = 0;
};

TEST_F(ZvqInProcessTest, ProgressOnATerminalIsOneLineRedrawnAtMostTenTimesASecondAndCleared) {
  files.AddFile("/c.zvq", Container("", {{"klein", "x"}, {"gross", std::string(2 << 20, 'g')}}));
  TickingClock clock;
  services.progressClock = &clock;
  EXPECT_EQ(Run({"extract", "/c.zvq", "-d", "/out"}), kDone);
  EXPECT_EQ(out.str(), "/out/gross\n/out/klein\n") << "standard output as without a terminal";

  // Every drawing starts afresh on the same line; the last clears it.
  const std::string clear = "\r\033[K";
  std::vector<std::string> drawn;
  for (std::size_t at = err.str().find(clear); at != std::string::npos;) {
    const std::size_t next = err.str().find(clear, at + clear.size());
    drawn.push_back(err.str().substr(at + clear.size(), next == std::string::npos ? next : next - at - clear.size()));
    at = next;
  }
  ASSERT_GE(drawn.size(), 3u);
  EXPECT_EQ(drawn.back(), "");
  drawn.pop_back();
  EXPECT_LE(static_cast<std::int64_t>(drawn.size()), clock.now / 100);
  int lastPercent = -1;
  for (const std::string& line : drawn) {
    EXPECT_EQ(line.rfind("gross  ", 0), 0u) << line << ": the short member is never shown";
    const std::size_t size = line.find(" von 2 MB  ");
    ASSERT_NE(size, std::string::npos) << line;
    EXPECT_EQ(line.substr(line.size() - 2), "/s") << line;
    const int percent = std::stoi(line.substr(size + 11));
    EXPECT_GT(percent, lastPercent) << line;
    lastPercent = percent;
  }
}

}  // namespace
}  // namespace sorvane::zvq
