// The version text of real files: this test program's own block, blocks of
// the Windows resource compiler put into a copy of it, and files that are no
// programs or carry no text.

#include "components/setup/ReadFileVersion.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <filesystem>

#include "VersionRig.h"
#include "platform/posix/PosixVersionInfo.h"

namespace sorvane {
namespace {

class ReadFileVersionTest : public ::testing::Test {
 protected:
  std::string WithBlock(const std::string& block) {
    // The path itself: objcopy would read its own program through the link.
    testing::CopyWithVersionBlock(std::filesystem::read_symlink("/proc/self/exe"), copy_, block);
    return copy_;
  }
  void TearDown() override { std::remove(copy_.c_str()); }

  PosixVersionInfo versions;
  std::string copy_ = ::testing::TempDir() + "version-copy-" + std::to_string(::getpid());
};

TEST_F(ReadFileVersionTest, TheProgramsOwnBlockGivesTheProjectVersion) {
  EXPECT_EQ(ReadFileVersion(versions, "/proc/self/exe"), "1.0.0.0");
}

TEST_F(ReadFileVersionTest, TheFirstTranslationChoosesTheStringTable) {
  const auto blocks = testing::WindresVersionBlocks();
  EXPECT_EQ(ReadFileVersion(versions, WithBlock(blocks.at(1))), "1.2.3.4");
  EXPECT_EQ(ReadFileVersion(versions, WithBlock(blocks.at(2))), "2.0 english");
  EXPECT_EQ(ReadFileVersion(versions, WithBlock(blocks.at(3))), "");  // no texts
  EXPECT_EQ(ReadFileVersion(versions, testing::WindowsProgramPath()), "1.2.3.4");
}

TEST_F(ReadFileVersionTest, NoProgramOrNoBlockGivesTheEmptyText) {
  EXPECT_EQ(ReadFileVersion(versions, WithBlock("")), "");
  EXPECT_EQ(ReadFileVersion(versions, testing::SharedLibraryPath()), "");  // has a block, is no program
  EXPECT_EQ(ReadFileVersion(versions, "/nicht/vorhanden"), "");
}

}  // namespace
}  // namespace sorvane
