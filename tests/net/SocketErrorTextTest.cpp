#include "net/SocketErrorText.h"

#include <ares.h>
#include <cerrno>
#include <gtest/gtest.h>

#include "platform/AresHostLookup.h"
#include "platform/posix/WinsockErrors.h"

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

TEST(SocketErrorTextTest, SystemFailuresStayFailures) {
  EXPECT_EQ(WinsockErrorFromErrno(0), 0);
  for (int e = 1; e < 200; ++e) EXPECT_NE(WinsockErrorFromErrno(e), 0) << e;
  // Failures without a Windows Sockets counterpart keep the system's number.
  for (int e : {EPROTO, ENONET, EIO}) {
    EXPECT_EQ(SocketErrorText(WinsockErrorFromErrno(e)), "Unknown Error No. " + std::to_string(e));
  }
  EXPECT_EQ(WinsockErrorFromErrno(ECONNREFUSED), 10061);
  EXPECT_EQ(WinsockErrorFromErrno(ECONNRESET), 10054);
  EXPECT_EQ(WinsockErrorFromErrno(EWOULDBLOCK), 10035);
  EXPECT_EQ(WinsockErrorFromErrno(EPIPE), 10058);
  EXPECT_EQ(WinsockErrorFromAres(ARES_ENOTFOUND), 11001);
  EXPECT_EQ(WinsockErrorFromAres(ARES_ETIMEOUT), 11002);
  EXPECT_EQ(WinsockErrorFromAres(ARES_EREFUSED), 11003);
  EXPECT_EQ(WinsockErrorFromAres(ARES_ENODATA), 11004);
}

}  // namespace
}  // namespace sorvane
