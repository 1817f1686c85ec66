#include <fcntl.h>
#include <stdlib.h>
#include <sys/mman.h>
#include <unistd.h>

#include <cstddef>
#include <string>

#include <gtest/gtest.h>

#include "platform/posix/PosixFileViews.h"

namespace sorvane {
namespace {

constexpr std::size_t kMiB = std::size_t{1} << 20;

// A file of its own in the test's temporary folder, removed afterwards,
// whose byte i is i % 251.
class ViewedFile {
 public:
  explicit ViewedFile(std::size_t bytes) {
    path_ = ::testing::TempDir() + "sorvane-views-XXXXXX";
    fd_ = ::mkstemp(path_.data());
    std::string content(bytes, '\0');
    for (std::size_t i = 0; i < bytes; ++i) content[i] = static_cast<char>(i % 251);
    EXPECT_EQ(::write(fd_, content.data(), bytes), static_cast<ssize_t>(bytes));
  }
  ~ViewedFile() {
    ::close(fd_);
    ::unlink(path_.c_str());
  }
  int fd() const { return fd_; }
  void CutTo(std::size_t bytes) const { ASSERT_EQ(::ftruncate(fd_, static_cast<off_t>(bytes)), 0); }

 private:
  std::string path_;
  int fd_;
};

// The views read the file in place; when someone cuts it short meanwhile,
// what is gone reads as zeros and is reported, instead of ending the
// program; only one file is guarded at a time.
TEST(PosixFileViewsTest, AViewReadsTheFileInPlaceAndWhatACutTookReadsAsZeros) {
  ViewedFile file(4 * kMiB);
  PosixFileViews views(file.fd());
  const unsigned char* view = views.View(kMiB + 7, 2 * kMiB);
  ASSERT_NE(view, nullptr);
  EXPECT_EQ(view[0], (kMiB + 7) % 251);
  EXPECT_EQ(view[2 * kMiB - 1], (3 * kMiB + 6) % 251);
  EXPECT_FALSE(views.Cut());
  EXPECT_EQ(views.View(3 * kMiB, 2 * kMiB), nullptr) << "beyond the file";

  PosixFileViews other(file.fd());
  EXPECT_EQ(other.View(0, kMiB), nullptr) << "a second file while the first is guarded";

  view = views.View(2 * kMiB, 2 * kMiB);
  ASSERT_NE(view, nullptr);
  file.CutTo(3 * kMiB);
  EXPECT_EQ(view[kMiB - 1], (3 * kMiB - 1) % 251);
  EXPECT_FALSE(views.Cut());
  EXPECT_EQ(view[kMiB + 12345], 0);
  EXPECT_EQ(view[2 * kMiB - 1], 0);
  EXPECT_TRUE(views.Cut());
}

// A SIGBUS that is not the views' still ends the program, as it would
// without them.
TEST(PosixFileViewsDeathTest, AnotherMappingsSigbusStillEndsTheProgram) {
  ViewedFile viewed(2 * kMiB);
  ViewedFile other(2 * kMiB);
  PosixFileViews views(viewed.fd());
  ASSERT_NE(views.View(0, kMiB), nullptr);
  auto* mapped = static_cast<volatile unsigned char*>(
      ::mmap(nullptr, 2 * kMiB, PROT_READ, MAP_PRIVATE, other.fd(), 0));
  ASSERT_NE(mapped, MAP_FAILED);
  other.CutTo(0);
  EXPECT_DEATH(static_cast<void>(mapped[kMiB]), "");
  ::munmap(const_cast<unsigned char*>(mapped), 2 * kMiB);
}

}  // namespace
}  // namespace sorvane
