#include <algorithm>
#include <gtest/gtest.h>
#include <string>

#include "HttpTestSupport.h"
#include "ScriptedServer.h"
#include "platform/Errors.h"

namespace sorvane::testing {
namespace {

// The request line of a request.
std::string FirstLine(const std::string& request) { return request.substr(0, request.find("\r\n")); }

bool HasLine(const std::string& request, const std::string& line) {
  return request.find("\r\n" + line + "\r\n") != std::string::npos;
}

using HttpRedirectTest = HttpClientFixture;

TEST_F(HttpRedirectTest, FollowsALocationAndSendsTheCookieThatCameWithIt) {
  ScriptedServer* self = nullptr;
  ScriptedServer server({[&self](ScriptPeer& peer) {
                           peer.ReadRequest();
                           peer.Send("HTTP/1.0 302 Found\r\nSet-Cookie: session=42; path=/\r\nLocation: " +
                                     self->Url("/next/file.zip") + "\r\n\r\nmoved");
                         },
                         Respond("HTTP/1.0 200 OK\r\n\r\nthe archive")});
  self = &server;
  std::string seen;
  http.OnRedirect = [&](TSocketClient&, bool&) {
    seen = http.LastLocation() + " " + http.LastCookie() + " " + std::to_string(static_cast<int>(http.Command()));
  };
  http.Get(server.Url("/Updates/ZVQ1.zip"));
  EXPECT_EQ(seen, server.Url("/next/file.zip") + " session=42; path=/ 0");

  const auto requests = server.Requests();
  ASSERT_EQ(requests.size(), 2u);
  EXPECT_FALSE(HasLine(requests[0], "Cookie: session=42; path=/"));
  EXPECT_EQ(FirstLine(requests[1]), "GET /next/file.zip HTTP/1.0");
  EXPECT_TRUE(HasLine(requests[1], "Cookie: session=42; path=/"));
  EXPECT_EQ(http.RequestHeaders.Cookie, "session=42; path=/");
  EXPECT_EQ(http.StatusCode(), 200);
  EXPECT_EQ(BodyFile(), "the archive");
  EXPECT_EQ(std::count(events.begin(), events.end(), "OnDisconnect"), 2);
  EXPECT_EQ(http.LastCookie(), "") << "the last answer set none";
}

TEST_F(HttpRedirectTest, ARelativeLocationStaysOnTheSameServer) {
  ScriptedServer server({Respond("HTTP/1.0 301 Moved\r\nLocation: other.html\r\n\r\n"),
                         Respond("HTTP/1.0 302 Found\r\nLocation: /deeper/last.html\r\n\r\n"),
                         Respond("HTTP/1.0 200 OK\r\n\r\nlast")});
  http.Get(server.Url("/first/page.html"));

  const auto requests = server.Requests();
  ASSERT_EQ(requests.size(), 3u);
  EXPECT_EQ(FirstLine(requests[1]), "GET /other.html HTTP/1.0");
  EXPECT_EQ(FirstLine(requests[2]), "GET /deeper/last.html HTTP/1.0");
  EXPECT_TRUE(HasLine(requests[2], "Host: 127.0.0.1"));
  EXPECT_EQ(http.Port, server.Port());
  EXPECT_EQ(BodyFile(), "last");
}

TEST_F(HttpRedirectTest, AHandledRedirectEndsTheExchange) {
  ScriptedServer server({Respond("HTTP/1.0 302 Found\r\nLocation: /elsewhere\r\n\r\nmoved")});
  http.OnRedirect = [](TSocketClient&, bool& handled) { handled = true; };
  http.Get(server.Url("/here"));
  EXPECT_EQ(server.Connections(), 1);
  EXPECT_EQ(http.StatusCode(), 302);
  EXPECT_EQ(BodyFile(), "moved");
}

TEST_F(HttpRedirectTest, ARedirectWithoutLocationIsAnError) {
  ScriptedServer server({Respond("HTTP/1.0 302 Found\r\nLocation: /x\r\n\r\n"),
                         Respond("HTTP/1.0 302 Found\r\n\r\n")});
  try {
    http.Get(server.Url("/a"));
    FAIL() << "Get returned";
  } catch (const Exception& e) {
    EXPECT_STREQ(e.what(), "Redirection without a location");
  }
  // The location of the first answer is not followed a second time.
  EXPECT_EQ(server.Connections(), 2);
}

TEST_F(HttpRedirectTest, EndlessRepeatsAndRedirectsStopAfterTwentyPasses) {
  for (const char* answer : {"HTTP/1.0 303 See Other\r\nLocation: /b\r\n\r\n", "HTTP/1.0 299 Odd\r\n\r\n",
                             "HTTP/1.0 302 Found\r\nLocation: /loop\r\n\r\n"}) {
    SCOPED_TRACE(answer);
    ScriptedServer server({Respond(answer)}, 40);
    try {
      http.Get(server.Url("/loop"));
      FAIL() << "Get returned";
    } catch (const Exception& e) {
      EXPECT_STREQ(e.what(), "Too many redirections (the server keeps answering 299 or 3xx)");
    }
    EXPECT_EQ(server.Connections(), THttpClient::kMaxPasses);
  }
}

}  // namespace
}  // namespace sorvane::testing
