#include <algorithm>
#include <chrono>
#include <gtest/gtest.h>
#include <string>

#include "FakeDnsServer.h"
#include "HttpTestSupport.h"
#include "LoopbackSocket.h"
#include "ScriptedServer.h"
#include "platform/Errors.h"

namespace sorvane::testing {
namespace {

using Events = std::vector<std::string>;

using HttpConnectTest = HttpClientFixture;

// A loopback port whose accept queue is full: a further connection stays
// under way (its SYN is not answered) until the client gives up.
class FullListener {
 public:
  std::string Url() const { return "http://127.0.0.1:" + std::to_string(listener_.Port()) + "/"; }

 private:
  LoopbackSocket listener_{LoopbackSocket::Kind::Listener, 0};
  LoopbackSocket filler_ = LoopbackSocket::ConnectTo(listener_.Port());
};

TEST_F(HttpConnectTest, AConnectionThatIsNotAcceptedTimesOut) {
  FullListener full;
  http.TimeOut = 200;
  const auto start = std::chrono::steady_clock::now();
  try {
    http.Get(full.Url());
    FAIL() << "Get returned";
  } catch (const ESockError& e) {
    EXPECT_STREQ(e.what(), "Connection Timed out");
  }
  EXPECT_GE(ElapsedMs(start), 190);
  EXPECT_LT(ElapsedMs(start), 3000);
  EXPECT_EQ(events, (Events{"OnBeforeSend", "OnConnectionFailed", "OnDisconnect"}));
}

TEST_F(HttpConnectTest, AbortWhileConnectingCancelsTheConnection) {
  FullListener full;
  pump.onTurn = [&] {
    if (pump.turns == 5) http.Abort();
  };
  try {
    http.Get(full.Url());
    FAIL() << "Get returned";
  } catch (const EAbortError& e) {
    EXPECT_STREQ(e.what(), "Connection Canceled");
  }
  EXPECT_EQ(pump.turns, 5);
}

TEST_F(HttpConnectTest, ARefusedConnectionFailsAfterOnConnectionFailed) {
  const std::string url = "http://127.0.0.1:" + std::to_string(UnusedPort()) + "/Updates.ini";
  try {
    http.Get(url);
    FAIL() << "Get returned";
  } catch (const ESockError& e) {
    EXPECT_STREQ(e.what(), "Connection Failed");
  }
  EXPECT_EQ(http.LastError(), 10061);
  EXPECT_EQ(events, (Events{"OnBeforeSend", "OnConnectionFailed", "OnDisconnect"}));
}

TEST_F(HttpConnectTest, AddressesThatCannotBeRequestedFailBeforeAnyEvent) {
  const std::pair<const char*, const char*> cases[] = {
      {"", "Empty URL"},
      {"https://127.0.0.1/x", "HTTP Secure Socket is not supported"},
      {"http://127.0.0.1:99999/x", "Invalid port number"},
      {"http://127.0.0.1:80x/x", "Invalid port number"},
  };
  for (const auto& [url, text] : cases) {
    SCOPED_TRACE(url);
    try {
      http.Get(url);
      ADD_FAILURE() << "Get returned";
    } catch (const Exception& e) {
      EXPECT_STREQ(e.what(), text);
    }
  }
  EXPECT_TRUE(events.empty());
}

// A client whose name lookups go to a fake name server on loopback. The
// server is a base listed first, so it runs before the client asks it.
struct FakeDnsHolder {
  explicit FakeDnsHolder(FakeDnsServer::Mode mode) : dns(mode) {}
  FakeDnsServer dns;
};
struct LookupRig : FakeDnsHolder, HttpClientRig {
  explicit LookupRig(FakeDnsServer::Mode mode) : FakeDnsHolder(mode), HttpClientRig(LookupOptions{dns.Servers()}) {}
};

TEST(HttpLookupTest, AResolvedNameIsConnectedToAndSentAsHost) {
  LookupRig rig(FakeDnsServer::Mode::Answer);
  ScriptedServer server({Respond("HTTP/1.0 200 OK\r\n\r\nresolved")});
  rig.http.Get("http://updates.sorvane.test:" + std::to_string(server.Port()) + "/Updates.ini");
  EXPECT_EQ(rig.http.Host, "updates.sorvane.test");
  ASSERT_EQ(server.Requests().size(), 1u);
  EXPECT_NE(server.Requests()[0].find("\r\nHost: updates.sorvane.test\r\n"), std::string::npos);
  EXPECT_EQ(ReadWholeFile(rig.http.Body), "resolved");
  EXPECT_EQ(rig.events, (Events{"OnBeforeSend", "OnHostResolved", "OnConnect", "OnBlockReceived", "OnSuccess 0",
                                "OnDisconnect"}));
}

TEST(HttpLookupTest, AnUnknownNameFailsWithNullRemoteAddress) {
  LookupRig rig(FakeDnsServer::Mode::NoSuchName);
  try {
    rig.http.Get("http://nowhere.sorvane.test/Updates.ini");
    FAIL() << "Get returned";
  } catch (const ESockError& e) {
    EXPECT_STREQ(e.what(), "Null Remote Address");
  }
  EXPECT_EQ(rig.http.LastError(), 11001);
  EXPECT_EQ(rig.events, (Events{"OnBeforeSend", "OnHostNotFound", "OnDisconnect"}));
  EXPECT_GE(rig.dns.Queries(), 1);
}

TEST(HttpLookupTest, AHandledUnknownNameIsLookedUpOnceMore) {
  LookupRig rig(FakeDnsServer::Mode::NoSuchName);
  int notFound = 0;
  rig.http.OnHostNotFound = [&](TSocketClient&, bool& handled) {
    ++notFound;
    handled = true;
  };
  EXPECT_THROW(rig.http.Get("http://nowhere.sorvane.test/"), ESockError);
  EXPECT_EQ(notFound, 2);
}

TEST(HttpLookupTest, AnUnansweredLookupTimesOut) {
  LookupRig rig(FakeDnsServer::Mode::Silent);
  rig.http.TimeOut = 200;
  const auto start = std::chrono::steady_clock::now();
  try {
    rig.http.Get("http://slow.sorvane.test/");
    FAIL() << "Get returned";
  } catch (const ESockError& e) {
    EXPECT_STREQ(e.what(), "Host Lookup Timed Out");
  }
  EXPECT_GE(ElapsedMs(start), 190);
  EXPECT_LT(ElapsedMs(start), 3000);
}

TEST(HttpLookupTest, AbortFromThePendingMessagesCancelsTheLookup) {
  LookupRig rig(FakeDnsServer::Mode::Silent);
  rig.pump.onTurn = [&] {
    if (rig.pump.turns == 10) rig.http.Abort();
  };
  try {
    rig.http.Get("http://slow.sorvane.test/");
    FAIL() << "Get returned";
  } catch (const EAbortError& e) {
    EXPECT_STREQ(e.what(), "Host Lookup Canceled");
  }
  EXPECT_EQ(rig.pump.turns, 10);
}

TEST(HttpLookupTest, AnAbortBeforeTheExchangeIsForgottenWhenItConnects) {
  LookupRig rig(FakeDnsServer::Mode::Answer);
  ScriptedServer server({Respond("HTTP/1.0 200 OK\r\n\r\nfine")});
  rig.http.Abort();
  EXPECT_NO_THROW(rig.http.Get("http://updates.sorvane.test:" + std::to_string(server.Port()) + "/"));
  EXPECT_EQ(ReadWholeFile(rig.http.Body), "fine");
}

// The update server on this machine is reached by name without any name
// server: the hosts file, or where that leaves it out (Windows), the lookup's
// own rule for "localhost".
TEST(HttpLookupTest, LocalhostIsFoundWithoutANameServer) {
  LookupRig rig(FakeDnsServer::Mode::Silent);
  ScriptedServer server({Respond("HTTP/1.0 200 OK\r\n\r\nlocal")});
  rig.http.TimeOut = 5000;
  EXPECT_NO_THROW(rig.http.Get("http://localhost:" + std::to_string(server.Port()) + "/"));
  EXPECT_EQ(ReadWholeFile(rig.http.Body), "local");
}

}  // namespace
}  // namespace sorvane::testing
