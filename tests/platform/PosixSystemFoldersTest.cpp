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

TEST_F(PosixSystemFoldersTest, TmpdirIsTakenAsItStandsWithASlash) {
  setenv("TMPDIR", "/var/tmp/user", 1);
  EXPECT_EQ(PosixSystemFolders(parent_.string()).TempPath(), "/var/tmp/user/");
  setenv("TMPDIR", "/var/tmp/user/", 1);
  EXPECT_EQ(PosixSystemFolders(parent_.string()).TempPath(), "/var/tmp/user/");
  setenv("TMPDIR", "", 1);  // empty counts as unset
  EXPECT_EQ(PosixSystemFolders(parent_.string()).TempPath(), own_ + "/");
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

TEST_F(PosixSystemFoldersTest, PlantedNamesAreRefused) {
  const std::string unsafe = "Der temporäre Ordner " + own_ + " ist nicht sicher";

  fs::create_directory(own_);
  chmod(own_.c_str(), 0777);  // made by someone else for everyone
  EXPECT_EQ(TempPathError().rfind(unsafe, 0), 0u);
  chmod(own_.c_str(), 0750);
  EXPECT_EQ(TempPathError().rfind(unsafe, 0), 0u);
  fs::remove(own_);

  // A link to a private folder is still a link: whoever planted it decides
  // where it points.
  const fs::path elsewhere = parent_ / "elsewhere";
  fs::create_directory(elsewhere);
  chmod(elsewhere.c_str(), 0700);
  fs::create_directory_symlink(elsewhere, own_);
  EXPECT_EQ(TempPathError().rfind(unsafe, 0), 0u);
  fs::remove(own_);

  { std::FILE* f = std::fopen(own_.c_str(), "w"); ASSERT_NE(f, nullptr); std::fclose(f); }
  EXPECT_EQ(TempPathError().rfind(unsafe, 0), 0u);
  fs::remove(own_);

  if (geteuid() == 0) {  // only root can hand a folder to another user
    fs::create_directory(own_);
    chmod(own_.c_str(), 0700);
    ASSERT_EQ(chown(own_.c_str(), 65534, 65534), 0);
    EXPECT_EQ(TempPathError().rfind(unsafe, 0), 0u);
  }
}

TEST_F(PosixSystemFoldersTest, AMissingParentIsReported) {
  fs::remove_all(parent_);
  EXPECT_EQ(TempPathError(), "Der temporäre Ordner " + own_ + " kann nicht angelegt werden");
}

}  // namespace
}  // namespace sorvane
