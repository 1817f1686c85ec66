#include "platform/posix/PosixShell.h"

#include <gtest/gtest.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>
#include <chrono>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <thread>

namespace sorvane {
namespace {

namespace fs = std::filesystem;

class PosixShellTest : public ::testing::Test {
 protected:
  void SetUp() override {
    dir_ = fs::path(::testing::TempDir()) / ("shell-test-" + std::to_string(getpid()));
    fs::remove_all(dir_);
    fs::create_directories(dir_);
  }
  void TearDown() override { fs::remove_all(dir_); }

  void Write(const fs::path& path, const std::string& text) { std::ofstream(path) << text; }
  std::string Read(const fs::path& path) {
    std::stringstream s;
    s << std::ifstream(path).rdbuf();
    return s.str();
  }
  static bool NoChildLeft() { return waitpid(-1, nullptr, WNOHANG) == -1 && errno == ECHILD; }

  fs::path dir_;
};

TEST_F(PosixShellTest, OpenStartsTheOpenerDetachedInTheWorkingFolder) {
  // The opener waits on a pipe that is only written after Open returned, so
  // a waiting Open would never come back.
  const fs::path fifo = dir_ / "go", out = dir_ / "out", work = dir_ / "work";
  ASSERT_EQ(mkfifo(fifo.c_str(), 0600), 0);
  fs::create_directory(work);
  const fs::path opener = dir_ / "opener";
  Write(opener, "#!/bin/sh\nread x < '" + fifo.string() + "'\n" +
                    "echo \"$1|$(pwd)|$(readlink /proc/$$/fd/0)|$#\" > '" + out.string() + ".part'\n" +
                    "mv '" + out.string() + ".part' '" + out.string() + "'\n");
  fs::permissions(opener, fs::perms::owner_all);

  PosixShell(opener.string()).Open("/data/Brief mit Leerzeichen.txt", "", work.string(), 1);
  EXPECT_TRUE(NoChildLeft()) << "the opener must not stay our child";
  std::ofstream(fifo) << "go\n";
  for (int i = 0; i < 500 && !fs::exists(out); ++i) std::this_thread::sleep_for(std::chrono::milliseconds(10));
  EXPECT_EQ(Read(out), "/data/Brief mit Leerzeichen.txt|" + work.string() + "|/dev/null|1\n");
}

TEST_F(PosixShellTest, OpenWithoutAnOpenerDoesNothing) {
  PosixShell("sorvane-no-such-opener").Open("/etc/hostname", "", "/", 1);
  EXPECT_TRUE(NoChildLeft());
}

TEST_F(PosixShellTest, FindProgramOnPath) {
  EXPECT_EQ(fs::path(FindProgramOnPath("sh")).filename(), "sh");
  EXPECT_EQ(FindProgramOnPath("sorvane-no-such-opener"), "");
  Write(dir_ / "plain", "not a program");
  EXPECT_EQ(FindProgramOnPath((dir_ / "plain").string()), "") << "not executable";
  EXPECT_EQ(FindProgramOnPath(""), "");
}

TEST_F(PosixShellTest, DeleteRemovesEachFileAndReportsWhatFailed) {
  PosixShell shell;
  Write(dir_ / "a", "1");
  Write(dir_ / "b", "2");
  EXPECT_TRUE(shell.FileOperation(Shell::FO_DELETE, {(dir_ / "a").string(), (dir_ / "b").string()}, "", false));
  EXPECT_FALSE(fs::exists(dir_ / "a"));
  EXPECT_FALSE(fs::exists(dir_ / "b"));

  Write(dir_ / "c", "3");
  EXPECT_FALSE(shell.FileOperation(Shell::FO_DELETE, {(dir_ / "gone").string(), (dir_ / "c").string()}, "", false));
  EXPECT_FALSE(fs::exists(dir_ / "c")) << "a missing file does not stop the others";

  // A link is removed, not what it points to.
  Write(dir_ / "target", "keep");
  fs::create_symlink(dir_ / "target", dir_ / "link");
  EXPECT_TRUE(shell.FileOperation(Shell::FO_DELETE, {(dir_ / "link").string()}, "", false));
  EXPECT_EQ(Read(dir_ / "target"), "keep");
  EXPECT_FALSE(shell.FileOperation(99, {(dir_ / "target").string()}, "", false));
}

TEST_F(PosixShellTest, CopyMoveAndRename) {
  PosixShell shell;
  const fs::path into = dir_ / "into";
  fs::create_directory(into);
  Write(dir_ / "a", "A");
  Write(into / "a", "old");
  EXPECT_TRUE(shell.FileOperation(Shell::FO_COPY, {(dir_ / "a").string()}, into.string(), false));
  EXPECT_EQ(Read(into / "a"), "A") << "replaced";
  EXPECT_TRUE(shell.FileOperation(Shell::FO_MOVE, {(dir_ / "a").string()}, (dir_ / "b").string(), false));
  EXPECT_FALSE(fs::exists(dir_ / "a"));
  EXPECT_TRUE(shell.FileOperation(Shell::FO_RENAME, {(dir_ / "b").string()}, (dir_ / "c").string(), false));
  EXPECT_EQ(Read(dir_ / "c"), "A");
  EXPECT_FALSE(shell.FileOperation(Shell::FO_COPY, {(dir_ / "c").string(), (into / "a").string()},
                                   (dir_ / "not-a-folder").string(), false));
}

}  // namespace
}  // namespace sorvane
