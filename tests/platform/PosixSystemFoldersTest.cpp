#include "platform/posix/PosixSystemFolders.h"

#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <optional>
#include <string>

#include "platform/Errors.h"

namespace sorvane {
namespace {

namespace fs = std::filesystem;

// Each test gets its own stand-in for /tmp and runs with TMPDIR unset.
class PosixSystemFoldersTest : public ::testing::Test {
 protected:
  void SetUp() override {
    if (const char* old = std::getenv("TMPDIR")) saved_ = old;
    unsetenv("TMPDIR");
    parent_ = fs::path(::testing::TempDir()) / ("shared-tmp-" + std::to_string(getpid()));
    fs::remove_all(parent_);
    fs::create_directories(parent_);
    own_ = (parent_ / ("sorvane-" + std::to_string(geteuid()))).string();
  }
  void TearDown() override {
    if (saved_) setenv("TMPDIR", saved_->c_str(), 1);
    fs::remove_all(parent_);
  }
  std::string TempPathError() {
    try {
      PosixSystemFolders(parent_.string()).TempPath();
    } catch (const Exception& e) {
      return e.what();
    }
    return {};
  }

  std::optional<std::string> saved_;
  fs::path parent_;
  std::string own_;
};

// A fresh folder made beside a refused name: private, in parent, not the
// refused one, and kept for the rest of the run.
void ExpectFreshFolder(PosixSystemFolders& folders, const fs::path& parent, const std::string& refused) {
  const std::string path = folders.TempPath();
  const std::string stem = (parent / ("sorvane-" + std::to_string(geteuid()) + "-")).string();
  ASSERT_EQ(path.rfind(stem, 0), 0u) << path;
  EXPECT_NE(path, refused + "/");
  struct stat info {};
  ASSERT_EQ(lstat(path.c_str(), &info), 0);
  EXPECT_TRUE(S_ISDIR(info.st_mode));
  EXPECT_EQ(info.st_mode & 0777, 0700u);
  EXPECT_EQ(folders.TempPath(), path);
  fs::remove(path);
}

TEST_F(PosixSystemFoldersTest, APrivateTmpdirIsTakenAsItStandsASharedOneGetsAFreshFolder) {
  const fs::path chosen = parent_ / "mine";
  fs::create_directory(chosen);
  chmod(chosen.c_str(), 0700);
  setenv("TMPDIR", chosen.c_str(), 1);
  EXPECT_EQ(PosixSystemFolders(parent_.string()).TempPath(), chosen.string() + "/");
  setenv("TMPDIR", (chosen.string() + "/").c_str(), 1);
  EXPECT_EQ(PosixSystemFolders(parent_.string()).TempPath(), chosen.string() + "/");

  chmod(chosen.c_str(), 01777);  // a shared folder such as /tmp
  PosixSystemFolders shared(parent_.string());
  ExpectFreshFolder(shared, chosen, chosen.string());

  setenv("TMPDIR", "", 1);  // empty counts as unset
  EXPECT_EQ(PosixSystemFolders(parent_.string()).TempPath(), own_ + "/");
  // So does a relative one, even when it names a private folder from here.
  const fs::path here = fs::current_path();
  fs::current_path(parent_);
  chmod(chosen.c_str(), 0700);
  setenv("TMPDIR", "mine", 1);
  const std::string relative = PosixSystemFolders(parent_.string()).TempPath();
  fs::current_path(here);
  EXPECT_EQ(relative, own_ + "/");
}

TEST_F(PosixSystemFoldersTest, CreatesAPrivateFolderAndUsesItAgain) {
  PosixSystemFolders folders(parent_.string() + "/");
  EXPECT_EQ(folders.TempPath(), own_ + "/");
  struct stat info {};
  ASSERT_EQ(lstat(own_.c_str(), &info), 0);
  EXPECT_TRUE(S_ISDIR(info.st_mode));
  EXPECT_EQ(info.st_mode & 0777, 0700u);
  EXPECT_EQ(folders.TempPath(), own_ + "/");
}

// Whoever plants the folder's name first must not stop the program's
// updates, nor get a folder the program writes into.
TEST_F(PosixSystemFoldersTest, APlantedNameIsPassedOverForAFreshFolder) {
  auto expectFresh = [&] {
    PosixSystemFolders folders(parent_.string());
    ExpectFreshFolder(folders, parent_, own_);
  };
  fs::create_directory(own_);
  chmod(own_.c_str(), 0777);  // made by someone else for everyone
  expectFresh();
  chmod(own_.c_str(), 0750);
  expectFresh();
  chmod(own_.c_str(), 0500);
  expectFresh();
  fs::remove(own_);

  // A link to a private folder is still a link: whoever planted it decides
  // where it points.
  const fs::path elsewhere = parent_ / "elsewhere";
  fs::create_directory(elsewhere);
  chmod(elsewhere.c_str(), 0700);
  fs::create_directory_symlink(elsewhere, own_);
  expectFresh();
  EXPECT_TRUE(fs::is_empty(elsewhere));
  fs::remove(own_);

  { std::FILE* f = std::fopen(own_.c_str(), "w"); ASSERT_NE(f, nullptr); std::fclose(f); }
  expectFresh();
  fs::remove(own_);

  if (geteuid() == 0) {  // only root can hand a folder to another user
    fs::create_directory(own_);
    chmod(own_.c_str(), 0700);
    ASSERT_EQ(chown(own_.c_str(), 65534, 65534), 0);
    expectFresh();
  }
}

TEST_F(PosixSystemFoldersTest, AMissingParentIsReported) {
  fs::remove_all(parent_);
  EXPECT_EQ(TempPathError(), "Der temporäre Ordner " + own_ + " kann nicht angelegt werden");
}

}  // namespace
}  // namespace sorvane
