#include <gtest/gtest.h>
#include <sys/stat.h>
#include <sys/utsname.h>

#include <filesystem>
#include <string>

#include "platform/Errors.h"
#include "platform/posix/PosixInternetConnection.h"
#include "platform/posix/PosixTempFiles.h"
#include "platform/UpdateSection.h"

namespace sorvane {
namespace {

TEST(PosixTempFilesTest, MakesEmptyPrivateFilesWithFreshNames) {
  const std::filesystem::path folder = std::filesystem::temp_directory_path() / ("tempfiles-" + std::to_string(getpid()));
  std::filesystem::create_directory(folder);
  PosixTempFiles temp;
  const std::string first = temp.CreateUniqueFile(folder.string() + "/", "$");
  const std::string second = temp.CreateUniqueFile(folder.string() + "/", "$");
  EXPECT_NE(first, second);
  for (const std::string& path : {first, second}) {
    const std::filesystem::path file(path);
    EXPECT_EQ(file.parent_path(), folder);
    EXPECT_EQ(file.filename().string().front(), '$');
    EXPECT_EQ(file.extension(), ".tmp");
    struct stat info {};
    ASSERT_EQ(::lstat(path.c_str(), &info), 0);
    EXPECT_TRUE(S_ISREG(info.st_mode));
    EXPECT_EQ(info.st_size, 0);
    EXPECT_EQ(info.st_mode & 0777, 0600u);
  }
  const std::string named = std::filesystem::path(temp.CreateUniqueFile(folder.string() + "/", "long")).filename();
  EXPECT_EQ(named.substr(0, 3), "lon");
  EXPECT_EQ(named.size(), 3u + 6u + 4u) << "three characters of the prefix, six random ones, \".tmp\"";
  std::filesystem::remove_all(folder);
  EXPECT_THROW(temp.CreateUniqueFile(folder.string() + "/", "$"), EFCreateError);
}

TEST(PosixInternetConnectionTest, LoopbackHostsCountAsReachable) {
  for (const char* host : {"localhost", "LocalHost:8080", "web.localhost", "127.0.0.1", "127.1.2.3:80", "localhost."}) {
    EXPECT_TRUE(IsLoopbackHost(host)) << host;
    EXPECT_TRUE(PosixInternetConnection().Connected(host)) << host;
  }
  for (const char* host : {"", "updates.example.org", "128.0.0.1", "127.0.0", "127.0.0.256", "127.0.0.1.5",
                           "localhost.example.org", "notlocalhost"}) {
    EXPECT_FALSE(IsLoopbackHost(host)) << host;
  }
  EXPECT_EQ(PosixInternetConnection().Connected("updates.example.org"), HasNetworkInterface());
}

}  // namespace
}  // namespace sorvane

namespace sorvane {
namespace {

// The Linux program's section names the system and the processor as uname
// does, so the list's Linux archive is never the Windows one.
TEST(PosixUpdateSectionTest, NamesTheSystemAndTheProcessor) {
  struct utsname system {};
  ASSERT_EQ(uname(&system), 0);
  EXPECT_EQ(UpdateSection("ZVQ"), std::string("ZVQ-Linux-") + system.machine);
}

}  // namespace
}  // namespace sorvane
