#include <cerrno>
#include <gtest/gtest.h>

#include "net/SocketErrorText.h"
#include "platform/posix/WinsockErrors.h"

namespace sorvane {
namespace {

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
}

}  // namespace
}  // namespace sorvane
