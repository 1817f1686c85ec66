#include <algorithm>
#include <chrono>
#include <gtest/gtest.h>
#include <string>

#include "HttpTestSupport.h"
#include "ScriptedServer.h"
#include "platform/Errors.h"

namespace sorvane::testing {
namespace {

using Events = std::vector<std::string>;

constexpr char kExpectedRequest[] =
    "GET /Updates.ini HTTP/1.0\r\n"
    "Host: 127.0.0.1\r\n"
    "Accept: www/source, text/html, video/mpeg, image/jpeg, image/x-tiff\r\n"
    "Accept: image/x-rgb, image/x-xbm, image/gif, */*, application/postscript\r\n"
    "Content-type: application/x-www-form-urlencoded\r\n"
    "\r\n";

using HttpExchangeTest = HttpClientFixture;

TEST_F(HttpExchangeTest, SendsTheRequestByteForByteAndStoresTheBody) {
  ScriptedServer server({Respond("HTTP/1.0 200 OK\r\nContent-Length: 11\r\n\r\n[Z]\nFile=a")});
  http.Port = 21;  // the address's port wins
  http.Get(server.Url("/Updates.ini"));

  ASSERT_EQ(server.Requests().size(), 1u);
  EXPECT_EQ(server.Requests()[0], kExpectedRequest);
  EXPECT_EQ(http.Port, server.Port());
  EXPECT_EQ(http.Host, "127.0.0.1");
  EXPECT_EQ(http.StatusCode(), 200);
  EXPECT_EQ(http.ExpectedBytes(), 11);
  EXPECT_EQ(http.ReceivedBytes(), 10);  // the server sent less than it announced
  EXPECT_EQ(BodyFile(), "[Z]\nFile=a");
  EXPECT_EQ(events, (Events{"OnBeforeSend", "OnConnect", "OnBlockReceived", "OnSuccess 0", "OnDisconnect"}));
  EXPECT_GT(pump.turns, 0);
}

TEST_F(HttpExchangeTest, NotFoundStoresTheErrorPageAndFiresOnFailure) {
  const std::string page = "<html><body>404 Not Found</body></html>";
  ScriptedServer server({Respond("HTTP/1.0 404 Not Found\r\nContent-Type: text/html\r\n\r\n" + page)});
  EXPECT_NO_THROW(http.Get(server.Url("/Updates/ZVQ1.zip")));
  EXPECT_EQ(http.StatusCode(), 404);
  EXPECT_EQ(BodyFile(), page);
  EXPECT_EQ(events, (Events{"OnBeforeSend", "OnConnect", "OnBlockReceived", "OnFailure 0", "OnDisconnect"}));
}

TEST_F(HttpExchangeTest, WithoutContentLengthOnlyTheReceivedCountGrows) {
  ScriptedServer server({[](ScriptPeer& peer) {
    peer.ReadRequest();
    peer.Send("HTTP/1.0 200 OK\r\n\r\n");
    for (int i = 0; i < 3; ++i) {
      peer.Pause(30);
      peer.Send(std::string(5000, static_cast<char>('a' + i)));
    }
  }});
  std::vector<std::pair<std::int64_t, std::int64_t>> seen;
  http.OnBlockReceived = [&](TSocketClient&) { seen.emplace_back(http.ExpectedBytes(), http.ReceivedBytes()); };
  http.Get(server.Url("/x"));

  ASSERT_GE(seen.size(), 2u);
  for (std::size_t i = 0; i < seen.size(); ++i) {
    EXPECT_EQ(seen[i].first, 0);
    if (i > 0) {
      EXPECT_GT(seen[i].second, seen[i - 1].second);
    }
  }
  EXPECT_EQ(http.ReceivedBytes(), 15000);
  EXPECT_EQ(BodyFile(), std::string(5000, 'a') + std::string(5000, 'b') + std::string(5000, 'c'));
}

TEST_F(HttpExchangeTest, StatusLineWithoutANumberCountsAsSuccess) {
  ScriptedServer server({Respond("HTTP/1.0 OK\r\n\r\nplain"), Respond("garbage\r\n\r\nx")});
  http.Get(server.Url("/a"));
  EXPECT_EQ(http.StatusCode(), 0);
  EXPECT_EQ(BodyFile(), "plain");
  http.Get(server.Url("/b"));
  EXPECT_EQ(http.StatusCode(), 0);
  EXPECT_EQ(std::count(events.begin(), events.end(), "OnSuccess 0"), 2);
}

TEST_F(HttpExchangeTest, BlocksSlowerThanTheWholeTimeOutButFasterThanItEachComplete) {
  ScriptedServer server({[](ScriptPeer& peer) {
    peer.ReadRequest();
    peer.Send("HTTP/1.0 200 OK\r\n\r\n");
    for (int i = 0; i < 8; ++i) {
      peer.Pause(150);
      peer.Send(std::string(1000, 'd'));
    }
  }});
  http.TimeOut = 400;
  const auto start = std::chrono::steady_clock::now();
  http.Get(server.Url("/slow"));
  EXPECT_GT(ElapsedMs(start), 400);
  EXPECT_EQ(http.ReceivedBytes(), 8000);
}

TEST_F(HttpExchangeTest, AStallLongerThanTheTimeOutEndsTheBodyWithSendAborted) {
  ScriptedServer server({[](ScriptPeer& peer) {
    peer.ReadRequest();
    peer.Send("HTTP/1.0 200 OK\r\n\r\nfirst block");
    peer.AwaitClientClose(10000);
  }});
  http.TimeOut = 300;
  std::vector<std::string> status;
  http.StatusLevel = 8;
  http.OnStatus = [&](TSocketClient&, const std::string& text) { status.push_back(text); };
  const auto start = std::chrono::steady_clock::now();
  try {
    http.Get(server.Url("/stall"));
    FAIL() << "Get returned";
  } catch (const EAbortError& e) {
    EXPECT_STREQ(e.what(), "Socket send aborted");
  }
  EXPECT_GE(ElapsedMs(start), 290);
  EXPECT_LT(ElapsedMs(start), 5000);
  EXPECT_EQ(BodyFile(), "first block");
  EXPECT_EQ(events.back(), "OnDisconnect");
  EXPECT_NE(std::find(status.begin(), status.end(), "Timer Triggered"), status.end());
}

// "Timer Off" ends a waiting phase; a handler that throws there must reach
// the caller, not end the program from a destructor.
TEST_F(HttpExchangeTest, AStatusHandlerThatThrowsFailsTheExchange) {
  ScriptedServer server({Respond("HTTP/1.0 200 OK\r\n\r\nbody")});
  http.TimeOut = 5000;
  http.StatusLevel = 8;
  http.OnStatus = [](TSocketClient&, const std::string& text) {
    if (text == "Timer Off") throw Exception("Statusanzeige verweigert");
  };
  EXPECT_THROW(http.Get(server.Url("/status")), Exception);
  EXPECT_EQ(events.back(), "OnDisconnect");
}

TEST_F(HttpExchangeTest, AServerThatNeverAnswersEndsTheHeaderWithReadlnAborted) {
  ScriptedServer server({[](ScriptPeer& peer) {
    peer.ReadRequest();
    peer.AwaitClientClose(10000);
  }});
  http.TimeOut = 200;
  try {
    http.Get(server.Url("/silent"));
    FAIL() << "Get returned";
  } catch (const EAbortError& e) {
    EXPECT_STREQ(e.what(), "Socket readln aborted");
  }
}

TEST_F(HttpExchangeTest, AbortFromOnBlockReceivedKeepsTheBlocksReceived) {
  std::string body;
  for (int i = 0; i < 5; ++i) body += std::string(1000, static_cast<char>('0' + i));
  ScriptedServer server({[body](ScriptPeer& peer) {
    peer.ReadRequest();
    peer.Send("HTTP/1.0 200 OK\r\nContent-Length: 5000\r\n\r\n");
    for (int i = 0; i < 5; ++i) {
      peer.Send(body.substr(static_cast<std::size_t>(i) * 1000, 1000));
      peer.Pause(60);
    }
    peer.AwaitClientClose(5000);
  }});
  http.OnBlockReceived = [&](TSocketClient&) {
    if (http.ReceivedBytes() >= 2000) http.Abort();
  };
  try {
    http.Get(server.Url("/Updates/ZVQ1.zip"));
    FAIL() << "Get returned";
  } catch (const EAbortError& e) {
    EXPECT_STREQ(e.what(), "Socket send aborted");
  }
  EXPECT_GE(http.ReceivedBytes(), 2000);
  EXPECT_LT(http.ReceivedBytes(), 5000);
  EXPECT_EQ(BodyFile(), body.substr(0, static_cast<std::size_t>(http.ReceivedBytes())));
}

TEST_F(HttpExchangeTest, UnauthorizedFiresOnFailureThenOnAuthenticationNeeded) {
  ScriptedServer server({Respond("HTTP/1.0 401 Unauthorized\r\n\r\nwho?")});
  http.RequestHeaders.UserId = "anna";
  http.RequestHeaders.Password = "geheim";
  http.Get(server.Url("/private"));
  EXPECT_NE(server.Requests()[0].find("\r\nAuthorization: Basic YW5uYTpnZWhlaW0=\r\n"), std::string::npos);
  EXPECT_EQ(events, (Events{"OnBeforeSend", "OnConnect", "OnBlockReceived", "OnFailure 0", "OnDisconnect",
                            "OnAuthenticationNeeded"}));
}

TEST_F(HttpExchangeTest, KeepsBodyAndHeaderAsTextAndReportsUpToTheStatusLevel) {
  ScriptedServer server({Respond("HTTP/1.0 200 OK\r\nServer: t\r\n\r\nthe body")});
  http.BodyToFile = false;
  // The same answer twice: the header first as text, then into a file.
  std::vector<std::string> status;
  http.StatusLevel = 2;
  http.OnStatus = [&](TSocketClient&, const std::string& text) { status.push_back(text); };
  http.Get(server.Url("/t"));
  EXPECT_EQ(http.Body, "the body");
  EXPECT_EQ(http.Header, "HTTP/1.0 200 OK\r\nServer: t\r\n\r\n");
  EXPECT_EQ(status, (Events{"HTTP/1.0 200 OK", "Transaction Completed"}));

  http.HeaderToFile = true;
  http.Header = folder.File("head.txt");
  http.Get(server.Url("/t"));
  EXPECT_EQ(ReadWholeFile(http.Header), "HTTP/1.0 200 OK\r\nServer: t\r\n\r\n");
}

TEST_F(HttpExchangeTest, GetFromAnEventHandlerIsRefusedWithoutHarmingTheRunningOne) {
  ScriptedServer server({Respond("HTTP/1.0 200 OK\r\n\r\nouter")});
  std::string inner;
  http.OnBlockReceived = [&](TSocketClient&) {
    try {
      http.Get(server.Url("/inner"));
    } catch (const Exception& e) {
      inner = e.what();
    }
  };
  http.Get(server.Url("/outer"));
  EXPECT_EQ(inner, "Already connected");
  EXPECT_EQ(BodyFile(), "outer");
  EXPECT_EQ(server.Connections(), 1);
}

TEST_F(HttpExchangeTest, ThroughAProxyOnlyTheProxyIsConnectedAndGetsTheWholeAddress) {
  ScriptedServer proxy({Respond("HTTP/1.0 200 OK\r\n\r\nvia proxy")});
  http.Proxy = "127.0.0.1";
  http.ProxyPort = proxy.Port();
  // The server's name is never looked up: no name server is asked.
  http.Get("http://updates.sorvane.test/Updates.ini");
  ASSERT_EQ(proxy.Requests().size(), 1u);
  EXPECT_EQ(proxy.Requests()[0].substr(0, proxy.Requests()[0].find("\r\nAccept")),
            "GET http://updates.sorvane.test/Updates.ini HTTP/1.0\r\nProxy-Connection: Keep-Alive\r\n"
            "Host: updates.sorvane.test");
  EXPECT_EQ(BodyFile(), "via proxy");
}

}  // namespace
}  // namespace sorvane::testing
