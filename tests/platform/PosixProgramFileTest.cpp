#include "platform/posix/PosixProgramFile.h"

#include <gtest/gtest.h>
#include <sys/stat.h>

namespace sorvane {
namespace {

TEST(PosixProgramFileTest, PathIsThisTestProgramAndFolderEndsWithSlash) {
  PosixProgramFile program;
  const std::string path = program.ProgramPath();
  ASSERT_FALSE(path.empty());
  EXPECT_EQ(path.front(), '/');
  EXPECT_EQ(path.substr(path.find_last_of('/') + 1), "posix_platform_tests");
  struct stat info {};
  EXPECT_EQ(stat(path.c_str(), &info), 0);
  EXPECT_TRUE(S_ISREG(info.st_mode));
  const std::string folder = program.ProgramFolder();
  EXPECT_EQ(folder + "posix_platform_tests", path);
}

}  // namespace
}  // namespace sorvane
