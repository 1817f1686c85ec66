// The password query on a real terminal: a pseudo-terminal stands in for the
// user's.
#include <poll.h>
#include <pty.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>
#include <chrono>
#include <csignal>
#include <string>

#include "ZvqFixture.h"

namespace sorvane::testing {
namespace {

class ZvqTerminalTest : public ZvqFixture {
 protected:
  // Starts zvq on a new pseudo-terminal; false where the machine has none.
  bool Start(const std::vector<std::string>& arguments) {
    pid_ = forkpty(&terminal_, nullptr, nullptr, nullptr);
    if (pid_ < 0) return false;
    if (pid_ == 0) {
      setenv("LC_ALL", "C", 1);
      std::vector<std::string> args{ZVQ_BINARY};
      args.insert(args.end(), arguments.begin(), arguments.end());
      std::vector<char*> argv;
      for (std::string& a : args) argv.push_back(a.data());
      argv.push_back(nullptr);
      execv(ZVQ_BINARY, argv.data());
      _exit(127);
    }
    return true;
  }

  // Reads what the terminal shows until it shows text (or, with an empty
  // text, until zvq has closed it), for at most ten seconds.
  std::string ReadUntil(const std::string& text) {
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(10);
    while (std::chrono::steady_clock::now() < deadline) {
      if (!text.empty() && shown_.find(text) != std::string::npos) break;
      pollfd p{terminal_, POLLIN, 0};
      if (poll(&p, 1, 100) <= 0) continue;
      char buffer[256];
      const ssize_t n = read(terminal_, buffer, sizeof buffer);
      if (n <= 0) break;  // EIO once zvq has ended
      shown_.append(buffer, static_cast<std::size_t>(n));
    }
    return shown_;
  }

  void Type(const std::string& keys) { ASSERT_EQ(write(terminal_, keys.data(), keys.size()), static_cast<ssize_t>(keys.size())); }

  // Waits for zvq to end, ten seconds at most; -2 when it hangs.
  int Finish() {
    ReadUntil("");
    int status = 0;
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(10);
    pid_t done = 0;
    while ((done = waitpid(pid_, &status, WNOHANG)) == 0 && std::chrono::steady_clock::now() < deadline) {
      usleep(10000);
    }
    if (done != pid_) return -2;  // TearDown ends it
    close(terminal_);
    pid_ = -1;
    return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
  }

  void TearDown() override {
    if (pid_ > 0) {
      kill(pid_, SIGKILL);
      waitpid(pid_, nullptr, 0);
      close(terminal_);
    }
    ZvqFixture::TearDown();
  }

  std::string Locked() {
    return MakeContainer("locked.zvq", 1, [](ContainerWriter& w) { w.AddMember("inhalt.txt", {1}, "x"); },
                         {{"Gast", "Sesam", 0}});
  }

 private:
  pid_t pid_ = -1;
  int terminal_ = -1;
  std::string shown_;
};

TEST_F(ZvqTerminalTest, PasswordIsAskedWithoutEcho) {
  if (!Start({"list", Locked()})) GTEST_SKIP() << "no pseudo-terminal";
  ReadUntil("Passwort: ");
  Type("Sesam\n");
  EXPECT_EQ(Finish(), 0);
  const std::string shown = ReadUntil("");
  EXPECT_NE(shown.find("Geben Sie zum Öffnen der Dateien das erforderliche Passwort ein."), std::string::npos);
  EXPECT_NE(shown.find("inhalt.txt"), std::string::npos) << shown;
  EXPECT_EQ(shown.find("Sesam"), std::string::npos) << "the password was echoed: " << shown;
}

TEST_F(ZvqTerminalTest, WrongPasswordIsRefused) {
  if (!Start({"list", Locked()})) GTEST_SKIP() << "no pseudo-terminal";
  ReadUntil("Passwort: ");
  Type("sesam\n");
  EXPECT_EQ(Finish(), 2);
  EXPECT_NE(ReadUntil("").find("Das eingegebene Passwort ist nicht korrekt."), std::string::npos);
}

TEST_F(ZvqTerminalTest, EndOfInputCancels) {
  if (!Start({"list", Locked()})) GTEST_SKIP() << "no pseudo-terminal";
  ReadUntil("Passwort: ");
  Type("\x04");
  EXPECT_EQ(Finish(), 2);
  EXPECT_EQ(ReadUntil("").find("inhalt.txt"), std::string::npos);
}

}  // namespace
}  // namespace sorvane::testing
