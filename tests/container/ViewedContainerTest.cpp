#include <fcntl.h>
#include <stdlib.h>
#include <unistd.h>

#include <cstdio>
#include <string>

#include <gtest/gtest.h>

#include "container/ContainerLoad.h"
#include "container/ContainerWriter.h"
#include "platform/Cp1252CodePage.h"
#include "platform/Errors.h"
#include "platform/MemoryStream.h"
#include "platform/posix/PosixFileStream.h"

namespace sorvane {
namespace {

constexpr int kMembers = 300'000;
constexpr int kLargeEvery = 100'000;

// A container large enough to be read in place where its records are dense:
// 300,000 members of 100 bytes in two columns, and every 100,000th of 3 MiB,
// which the reading passes over by seeking, leaving the views and coming back
// to them.
const std::string& LargeContainer() {
  static const std::string bytes = [] {
    MemoryStream out;
    ContainerWriter writer(out, 2);
    const std::string data(100, 'd');
    const std::string large(std::size_t{3} << 20, 'l');
    char name[32];
    for (int i = 0; i < kMembers; ++i) {
      std::snprintf(name, sizeof name, "datei-%06d.txt", i);
      writer.AddMember(name, {1, i % 3}, i % kLargeEvery == kLargeEvery / 2 ? large : data);
    }
    writer.Finish({{"Gast", "", 0}, {"Anna", "pw", 1}}, "Viele", "Sorvane");
    return out.Bytes();
  }();
  return bytes;
}

// Cuts the file short while the load is at member cutAt.
class CuttingEffects : public NoLoadEffects {
 public:
  CuttingEffects(int fd, std::int32_t cutAt, off_t cutTo) : fd_(fd), cutAt_(cutAt), cutTo_(cutTo) {}
  void SetProgressPosition(std::int32_t position) override {
    if (position == cutAt_) {
      ASSERT_EQ(::ftruncate(fd_, cutTo_), 0);
    }
  }

 private:
  int fd_;
  std::int32_t cutAt_;
  off_t cutTo_;
};

class ViewedContainerTest : public ::testing::Test {
 protected:
  void SetUp() override {
    path_ = ::testing::TempDir() + "sorvane-viewed-XXXXXX";
    const int fd = ::mkstemp(path_.data());
    ASSERT_EQ(::write(fd, LargeContainer().data(), LargeContainer().size()),
              static_cast<ssize_t>(LargeContainer().size()));
    ::close(fd);
  }
  void TearDown() override { ::unlink(path_.c_str()); }

  std::string path_;
  Cp1252CodePage codePage_;
};

TEST_F(ViewedContainerTest, AFileReadInPlaceLoadsAsTheSameBytesFromMemory) {
  MemoryStream memory(LargeContainer());
  NoLoadEffects effects;
  const LoadedContainer expected = ReadContainer(memory, codePage_, effects);
  PosixFileStream file(::open(path_.c_str(), O_RDONLY));
  const LoadedContainer loaded = ReadContainer(file, codePage_, effects);

  ASSERT_EQ(loaded.Members.size(), static_cast<std::size_t>(kMembers));
  ASSERT_EQ(expected.Members.size(), loaded.Members.size());
  for (std::size_t i = 0; i < loaded.Members.size(); ++i) {
    const ContainerMember a = expected.Members[i];
    const ContainerMember b = loaded.Members[i];
    ASSERT_TRUE(a.Name == b.Name && a.Flags == b.Flags && a.StoredSize == b.StoredSize) << "member " << i;
  }
  EXPECT_EQ(loaded.Members[kLargeEvery / 2].StoredSize, 3 << 20);
  EXPECT_EQ(loaded.Members[kMembers - 1].Name, "datei-299999.txt");
  ASSERT_EQ(loaded.Accounts.size(), 2u);
  EXPECT_EQ(loaded.Accounts[1].Password, "pw");
  EXPECT_EQ(loaded.Title, "Viele");
}

// Another program cuts the file short during the load, inside the records
// still to be read or before the trailer: the load fails with the read
// error instead of ending the program or loading zeros.
TEST_F(ViewedContainerTest, AFileCutShortDuringTheLoadFailsWithTheReadError) {
  const auto size = static_cast<off_t>(LargeContainer().size());
  for (const off_t cutTo : {size / 2, size - 4096}) {
    const int fd = ::open(path_.c_str(), O_RDWR);
    PosixFileStream file(fd);
    CuttingEffects effects(fd, kMembers / 4, cutTo);
    try {
      ReadContainer(file, codePage_, effects);
      ADD_FAILURE() << "loaded a file cut to " << cutTo;
    } catch (const EReadError& e) {
      EXPECT_STREQ(e.what(), "Stream-Lesefehler") << "cut to " << cutTo;
    }
    ASSERT_EQ(::ftruncate(fd, size), 0);
    ASSERT_EQ(::pwrite(fd, LargeContainer().data(), LargeContainer().size(), 0), size);
  }
}

}  // namespace
}  // namespace sorvane
