#include <gtest/gtest.h>
#include <sys/stat.h>

#include "HttpTestSupport.h"
#include "NginxServer.h"

namespace sorvane::testing {
namespace {

constexpr std::int64_t kLargeFile = 64ll << 20;

class NginxDownloadTest : public HttpClientFixture {
 protected:
  void SetUp() override {
    if (!NginxServer::Installed()) GTEST_SKIP() << "nginx is not installed (scripts/install-deps.sh)";
    ::mkdir(folder.File("www").c_str(), 0700);
    ::mkdir(folder.File("nginx").c_str(), 0700);
  }
};

TEST_F(NginxDownloadTest, ALargeFileArrivesByteForByte) {
  const std::uint64_t sent = WriteSampleFile(folder.File("www/large.bin"), kLargeFile);
  NginxServer nginx(folder.File("www"), folder.File("nginx"));
  http.TimeOut = 10000;
  std::int64_t blocks = 0;
  std::int64_t lastSeen = 0;
  bool counted = true;
  http.OnBlockReceived = [&](TSocketClient&) {
    ++blocks;
    counted = counted && http.ReceivedBytes() > lastSeen && http.ExpectedBytes() == kLargeFile;
    lastSeen = http.ReceivedBytes();
  };
  http.Get(nginx.Url("/large.bin"));

  std::int64_t size = 0;
  EXPECT_EQ(FileChecksum(http.Body, size), sent);
  EXPECT_EQ(size, kLargeFile);
  EXPECT_EQ(http.StatusCode(), 200);
  EXPECT_EQ(http.ReceivedBytes(), kLargeFile);
  EXPECT_TRUE(counted);
  // Blocks are at most the buffer's size.
  EXPECT_GE(blocks, kLargeFile / static_cast<std::int64_t>(TSocketClient::kBufferSize));
}

TEST_F(NginxDownloadTest, AMissingFileGivesTheServersErrorPage) {
  NginxServer nginx(folder.File("www"), folder.File("nginx"));
  http.Get(nginx.Url("/Updates/missing.zip"));
  EXPECT_EQ(http.StatusCode(), 404);
  EXPECT_NE(BodyFile().find("404 Not Found"), std::string::npos);
  EXPECT_EQ(events.end()[-2], "OnFailure 0");
}

}  // namespace
}  // namespace sorvane::testing
