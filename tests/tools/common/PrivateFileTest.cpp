// A secret key's file: written new, never in place of another.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <sstream>

#include "platform/NativeServices.h"

namespace sorvane {
namespace {

namespace fs = std::filesystem;

std::string Utf8(const fs::path& path) {
  const std::u8string text = path.u8string();
  return std::string(text.begin(), text.end());
}

std::string Contents(const std::string& utf8) {
  std::ifstream in(fs::path(std::u8string(utf8.begin(), utf8.end())), std::ios::binary);
  std::ostringstream bytes;
  bytes << in.rdbuf();
  return bytes.str();
}

TEST(PrivateFileTest, WritesANewFileAndNeverReplacesOne) {
  const fs::path folder = fs::temp_directory_path() / "sorvane-private-file-test";
  fs::remove_all(folder);
  fs::create_directories(folder);
  const std::string path = Utf8(folder) + "/schl\xC3\xBCssel.key";

  EXPECT_TRUE(WritePrivateFile(path, "geheim\r\n"));
  EXPECT_EQ(Contents(path), "geheim\r\n");
  EXPECT_FALSE(WritePrivateFile(path, "anders\n"));
  EXPECT_EQ(Contents(path), "geheim\r\n") << "the first key stays";
  EXPECT_FALSE(WritePrivateFile(Utf8(folder) + "/fehlt/key", "x")) << "no folder";
  fs::remove_all(folder);
}

}  // namespace
}  // namespace sorvane
