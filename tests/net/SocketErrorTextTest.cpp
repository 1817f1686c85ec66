#include "net/SocketErrorText.h"

#include <ares.h>
#include <gtest/gtest.h>

#include "platform/AresHostLookup.h"

namespace sorvane {
namespace {

TEST(SocketErrorTextTest, IsTheNumberAColonAndTheTableText) {
  EXPECT_EQ(SocketErrorText(10061), "10061:Connection refused");
  EXPECT_EQ(SocketErrorText(0), "0:Unrecognized error code");
  EXPECT_EQ(SocketErrorText(11003), "11003:Non-Recoverable error: FORMERR, REFUSED, NOTIMP");
}

TEST(SocketErrorTextTest, NumbersOutsideTheTableAreUnknown) {
  for (int number : {-1, 1, 10005, 10072, 10090, 10094, 11000, 11005})
    EXPECT_EQ(SocketErrorText(number), "Unknown Error No. " + std::to_string(number));
}

TEST(SocketErrorTextTest, LookupFailuresHaveTheirWindowsSocketsNumbers) {
  EXPECT_EQ(WinsockErrorFromAres(ARES_ENOTFOUND), 11001);
  EXPECT_EQ(WinsockErrorFromAres(ARES_ETIMEOUT), 11002);
  EXPECT_EQ(WinsockErrorFromAres(ARES_EREFUSED), 11003);
  EXPECT_EQ(WinsockErrorFromAres(ARES_ENODATA), 11004);
}

}  // namespace
}  // namespace sorvane
