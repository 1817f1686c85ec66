#include "platform/posix/PosixFileSystem.h"

#include <gtest/gtest.h>

#include <fcntl.h>
#include <stdlib.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <filesystem>
#include <vector>

#include "platform/Errors.h"
#include "platform/posix/PosixFileStream.h"

namespace sorvane {
namespace {

class PosixFileSystemTest : public ::testing::Test {
 protected:
  void SetUp() override {
    std::string pattern = ::testing::TempDir() + "sorvane-posix-XXXXXX";
    ASSERT_NE(::mkdtemp(pattern.data()), nullptr);
    root = pattern;
  }
  void TearDown() override { std::filesystem::remove_all(root); }

  std::string At(const std::string& name) const { return root + "/" + name; }

  void Write(const std::string& name, const std::string& bytes) {
    auto out = files.Create(At(name));
    out->WriteBuffer(bytes.data(), bytes.size());
  }

  PosixFileSystem files;
  std::string root;
};

TEST(FileNamePatternTest, WildcardsAndCaseAsTheWindowsSearch) {
  EXPECT_TRUE(MatchFileNamePattern("*.zvq", "Box.ZVQ"));
  EXPECT_TRUE(MatchFileNamePattern("*.zvq", ".zvq"));
  EXPECT_FALSE(MatchFileNamePattern("*.zvq", "box.zvqx"));
  EXPECT_FALSE(MatchFileNamePattern("*.zvq", "box.zv"));
  EXPECT_TRUE(MatchFileNamePattern("a*b*c", "aXXbYYbZc"));
  EXPECT_FALSE(MatchFileNamePattern("a*b*c", "aXXbYYbZ"));
  EXPECT_TRUE(MatchFileNamePattern("*.*", "ohne-punkt"));
  EXPECT_TRUE(MatchFileNamePattern("**", ""));
  EXPECT_FALSE(MatchFileNamePattern("?", ""));
  // "?" is one character, also when UTF-8 spends two bytes on it.
  EXPECT_TRUE(MatchFileNamePattern("?.txt", "\xC3\xBC.txt"));
  EXPECT_TRUE(MatchFileNamePattern("\xC3\x9C*", "\xC3\xBC" "ber"));         // Ü folds to ü
  EXPECT_TRUE(MatchFileNamePattern("\xC5\x92*", "\xC5\x93uvre"));           // Œ folds to œ
  EXPECT_FALSE(MatchFileNamePattern("\xC3\x97", "\xC3\xB7"));               // × is not ÷
  // Bytes that are not UTF-8 match only themselves.
  EXPECT_TRUE(MatchFileNamePattern("?", "\xFF"));
  EXPECT_TRUE(MatchFileNamePattern("a\xE4", "a\xE4"));
  EXPECT_FALSE(MatchFileNamePattern("a\xE4", "a\xC4"));
  // Many stars against a long name stay fast: no recursion, no blow-up.
  EXPECT_FALSE(MatchFileNamePattern(std::string(200, '*') + "b", std::string(5000, 'a')));
}

TEST_F(PosixFileSystemTest, TheShareTableSeesInodesAndOtherInstances) {
  Write("box.zvq", "Container");
  auto reading = files.OpenRead(At("box.zvq"));
  ASSERT_EQ(::link(At("box.zvq").c_str(), At("link.zvq").c_str()), 0);
  ASSERT_EQ(::symlink(At("box.zvq").c_str(), At("sym.zvq").c_str()), 0);
  PosixFileSystem other;
  EXPECT_THROW(other.Create(At("box.zvq")), EFCreateError);
  EXPECT_THROW(files.Create(At("link.zvq")), EFCreateError);
  EXPECT_NO_THROW(files.Create(At("sym.zvq"))) << "the link is replaced, the container is not touched";
  EXPECT_EQ(reading->Size(), 9);
  reading.reset();
  EXPECT_NO_THROW(other.Create(At("link.zvq")));
}

TEST_F(PosixFileSystemTest, CreateReplacesLinksAndWritesThroughNone) {
  Write("ziel.txt", "alter Inhalt");
  ASSERT_EQ(::symlink(At("ziel.txt").c_str(), At("zeiger.txt").c_str()), 0);
  files.Create(At("zeiger.txt"))->WriteBuffer("neu", 3);
  EXPECT_EQ(std::filesystem::file_size(At("ziel.txt")), 12u) << "the link's target is not written";
  EXPECT_FALSE(std::filesystem::is_symlink(At("zeiger.txt")));
  EXPECT_EQ(std::filesystem::file_size(At("zeiger.txt")), 3u);

  // A link that leads nowhere is replaced too; the file it names never
  // appears.
  ASSERT_EQ(::symlink(At("anderswo.txt").c_str(), At("falle.txt").c_str()), 0);
  files.Create(At("falle.txt"))->WriteBuffer("neu", 3);
  EXPECT_FALSE(std::filesystem::exists(At("anderswo.txt")));
  EXPECT_FALSE(std::filesystem::is_symlink(At("falle.txt")));

  // A link to a folder is not replaced.
  ASSERT_EQ(::symlink(root.c_str(), At("ordner").c_str()), 0);
  EXPECT_THROW(files.Create(At("ordner")), EFCreateError);
  EXPECT_TRUE(std::filesystem::is_symlink(At("ordner")));
}

TEST_F(PosixFileSystemTest, OnlyRegularFilesAreOpenedForReading) {
  // A named pipe without a writer would block a plain open for ever.
  ASSERT_EQ(::mkfifo(At("rohr").c_str(), 0600), 0);
  EXPECT_THROW(files.OpenRead(At("rohr")), EFOpenError);
  EXPECT_THROW(files.OpenRead("/dev/null"), EFOpenError);
}

TEST_F(PosixFileSystemTest, CreatedFilesFollowTheUmask) {
  const mode_t previous = ::umask(027);
  files.Create(At("neu"));
  ::umask(previous);
  struct stat info;
  ASSERT_EQ(::stat(At("neu").c_str(), &info), 0);
  EXPECT_EQ(info.st_mode & 0777, 0640u);
}

TEST_F(PosixFileSystemTest, AFullDeviceIsAShortWrite) {
  const int fd = ::open("/dev/full", O_WRONLY | O_CLOEXEC);
  if (fd < 0) GTEST_SKIP() << "no /dev/full";
  PosixFileStream full(fd);
  EXPECT_EQ(full.Write("abc", 3), 0u);
  try {
    full.WriteBuffer("abc", 3);
    FAIL();
  } catch (const EWriteError& e) {
    EXPECT_STREQ(e.what(), "Stream-Schreibfehler");
  }
}

TEST_F(PosixFileSystemTest, CopyingBetweenStreamsMovesBothPositions) {
  std::string data(200'000, '\0');
  for (std::size_t i = 0; i < data.size(); ++i) data[i] = static_cast<char>(i * 13 >> 2);
  Write("quelle", data);
  auto source = files.OpenRead(At("quelle"));
  source->Seek(7, SeekOrigin::Begin);
  std::vector<char> scratch(61440);
  {
    // File to file, as the system copies it, in blocks.
    auto target = files.Create(At("ziel"));
    target->WriteBuffer("head", 4);
    for (std::size_t total = 0; total < 100'000;) {
      total += target->CopyFrom(*source, scratch.data(), std::min<std::size_t>(61440, 100'000 - total));
    }
    EXPECT_EQ(source->Position(), 100'007);
    EXPECT_EQ(target->Position(), 100'004);
  }
  auto copied = files.OpenRead(At("ziel"));
  std::string bytes(100'004, '\0');
  copied->ReadBuffer(bytes.data(), bytes.size());
  EXPECT_EQ(bytes, "head" + data.substr(7, 100'000));
  // At the end of the source nothing moves.
  source->Seek(0, SeekOrigin::End);
  auto rest = files.Create(At("rest"));
  EXPECT_EQ(rest->CopyFrom(*source, scratch.data(), 10), 0u);
  // A device the system cannot copy to: the bytes go the plain way and the
  // full device is reported as such.
  const int fd = ::open("/dev/full", O_WRONLY | O_CLOEXEC);
  if (fd < 0) return;
  PosixFileStream full(fd);
  source->Seek(0, SeekOrigin::Begin);
  EXPECT_THROW(full.CopyFrom(*source, scratch.data(), 100), EWriteError);
}

TEST_F(PosixFileSystemTest, ADeviceErrorIsAReadError) {
  const int fd = ::open(root.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
  ASSERT_GE(fd, 0);
  PosixFileStream folder(fd);
  char byte;
  try {
    folder.Read(&byte, 1);
    FAIL();
  } catch (const EReadError& e) {
    EXPECT_STREQ(e.what(), "Stream-Lesefehler");
  }
}

TEST_F(PosixFileSystemTest, SearchesReportWhatLinksPointTo) {
  Write("ziel.bin", "1234");
  ASSERT_EQ(::mkdir(At("ordner").c_str(), 0777), 0);
  ASSERT_EQ(::symlink(At("ziel.bin").c_str(), At("zeiger.bin").c_str()), 0);
  ASSERT_EQ(::symlink(At("weg").c_str(), At("kaputt.bin").c_str()), 0);
  for (const FileEntry& entry : files.FindFiles(root, "*")) {
    if (entry.name == "zeiger.bin") {
      EXPECT_EQ(entry.size, 4);
    }
    if (entry.name == "ordner") {
      EXPECT_TRUE(entry.directory);
    }
    if (entry.name == "kaputt.bin") {
      EXPECT_FALSE(entry.directory);
    }
  }
  EXPECT_EQ(files.FindFiles(root, "*").size(), 4u);
  EXPECT_FALSE(files.FileExists(At("kaputt.bin")));
  EXPECT_TRUE(files.FileExists(At("zeiger.bin")));
}

TEST_F(PosixFileSystemTest, RelativePathsStartInTheCurrentFolder) {
  const std::string here = std::filesystem::current_path().string();
  EXPECT_EQ(files.ExpandFileName("a/./b/../c.zvq"), (here == "/" ? "" : here) + "/a/c.zvq");
  EXPECT_EQ(files.ExpandFileName(""), "");
}

}  // namespace
}  // namespace sorvane
