#include <sys/mman.h>
#include <unistd.h>

#include <cstddef>
#include <vector>

#include <gtest/gtest.h>

#include "platform/PagesAhead.h"

namespace sorvane {
namespace {

// Anonymous memory of its own, so that which of its pages are present says
// what was taken.
class Mapping {
 public:
  explicit Mapping(std::size_t bytes) : bytes_(bytes) {
    begin_ = static_cast<char*>(::mmap(nullptr, bytes, PROT_READ | PROT_WRITE, MAP_PRIVATE | MAP_ANONYMOUS, -1, 0));
  }
  ~Mapping() { ::munmap(begin_, bytes_); }
  char* begin() const { return begin_; }
  // The pages in [begin, to) that are not present.
  std::size_t MissingBefore(const char* to) const {
    const auto page = static_cast<std::size_t>(::sysconf(_SC_PAGESIZE));
    std::vector<unsigned char> present((bytes_ + page - 1) / page);
    ::mincore(begin_, bytes_, present.data());
    std::size_t missing = 0;
    for (std::size_t p = 0; p * page < static_cast<std::size_t>(to - begin_); ++p) missing += (present[p] & 1) == 0;
    return missing;
  }

 private:
  std::size_t bytes_;
  char* begin_;
};

// Whether the thread or the writer got there first, what TakeFor reports
// taken is present once the thread has stopped, in every stretch at the same
// share; after the stop the writer is on its own.
TEST(PosixPagesAheadTest, AWriterAheadOfTheThreadTakesItsOwnPagesAndIsAloneAfterTheStop) {
  Mapping names(std::size_t{8} << 20);
  Mapping sizes(std::size_t{2} << 20);
  PagesAhead pages({{names.begin(), std::size_t{8} << 20}, {sizes.begin(), std::size_t{2} << 20}});
  ASSERT_TRUE(pages.Taking());

  const std::size_t wanted = std::size_t{3} << 19;  // three quarters of the sizes
  auto* const taken = static_cast<char*>(pages.TakeFor(sizes.begin(), wanted));
  ASSERT_NE(taken, nullptr);
  EXPECT_GE(taken, sizes.begin() + wanted);
  EXPECT_LE(taken, sizes.begin() + (std::size_t{2} << 20));
  auto* const firstName = static_cast<char*>(pages.TakeFor(names.begin(), 1));
  ASSERT_GT(firstName, names.begin());
  EXPECT_EQ(pages.TakeFor(sizes.begin() + (std::size_t{2} << 20) - 1, 2), nullptr) << "beyond the stretch";

  pages.Stop();
  EXPECT_EQ(sizes.MissingBefore(taken), 0U);
  EXPECT_EQ(names.MissingBefore(names.begin() + 4 * (taken - sizes.begin())), 0U);
  EXPECT_EQ(names.MissingBefore(firstName), 0U);
  EXPECT_EQ(pages.TakeFor(sizes.begin(), wanted), nullptr);
}

}  // namespace
}  // namespace sorvane
