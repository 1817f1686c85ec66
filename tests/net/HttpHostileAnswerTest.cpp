#include <functional>
#include <gtest/gtest.h>
#include <limits>
#include <random>
#include <string>

#include "HttpTestSupport.h"
#include "ScriptedServer.h"
#include "platform/Errors.h"

namespace sorvane::testing {
namespace {

// Sends what the script gives, then holds the connection until the client
// gives up, as a hostile server would.
ScriptedServer::Script AnswerAndHold(std::string answer) {
  return [answer](ScriptPeer& peer) {
    peer.ReadRequest();
    peer.Send(answer);
    peer.AwaitClientClose(10000);
  };
}

std::string ErrorOf(THttpClient& http, const std::string& url) {
  try {
    http.Get(url);
  } catch (const Exception& e) {
    return e.what();
  }
  return "(no error)";
}

using HttpHostileAnswerTest = HttpClientFixture;

TEST_F(HttpHostileAnswerTest, AHeaderLineWithoutEndIsCutOffAtItsLimit) {
  const std::string tooLong = "Header line too long (no line end within 65536 bytes)";
  ScriptedServer server({AnswerAndHold("HTTP/1.0 200 OK\r\nX-Filler: " + std::string(200000, 'a')),
                         AnswerAndHold("HTTP/1.0 200 " + std::string(70000, 'b'))});
  EXPECT_EQ(ErrorOf(http, server.Url("/a")), tooLong);
  EXPECT_EQ(ErrorOf(http, server.Url("/b")), tooLong);
}

TEST_F(HttpHostileAnswerTest, ALineOfExactlyTheLimitIsStillTaken) {
  const std::string line = "X-Pad: " + std::string(65536 - 9, 'p') + "\r\n";
  ASSERT_EQ(line.size(), THttpClient::kMaxHeaderLine);
  ScriptedServer server({Respond("HTTP/1.0 200 OK\r\n" + line + "\r\nbody")});
  http.Get(server.Url("/a"));
  EXPECT_EQ(BodyFile(), "body");
}

TEST_F(HttpHostileAnswerTest, AnEndlessHeaderIsCutOffAtItsLimit) {
  std::string lines;
  while (lines.size() <= THttpClient::kMaxHeader) lines += "X-More: yes\r\n";
  ScriptedServer server({AnswerAndHold("HTTP/1.0 200 OK\r\n" + lines)});
  EXPECT_EQ(ErrorOf(http, server.Url("/a")), "Header too long (more than 1048576 bytes)");
}

TEST_F(HttpHostileAnswerTest, AConnectionClosedWithoutAnswerIsAnError) {
  ScriptedServer server({[](ScriptPeer& peer) { peer.ReadRequest(); }});
  EXPECT_EQ(ErrorOf(http, server.Url("/a")), "Connection closed without an answer");
  EXPECT_EQ(events.back(), "OnDisconnect");
}

TEST_F(HttpHostileAnswerTest, AResetInTheBodyIsASocketErrorAndKeepsWhatArrived) {
  if (!ResetsAreReported()) GTEST_SKIP() << "the system reports a reset as the end of the connection";
  ScriptedServer server({[](ScriptPeer& peer) {
    peer.ReadRequest();
    peer.Send("HTTP/1.0 200 OK\r\n\r\n" + std::string(1000, 'r'));
    peer.Pause(200);
    peer.Reset();
  }});
  EXPECT_EQ(ErrorOf(http, server.Url("/a")), "10054:Connection reset by peer");
  EXPECT_EQ(http.LastError(), 10054);
  EXPECT_EQ(BodyFile(), std::string(1000, 'r'));
}

TEST_F(HttpHostileAnswerTest, OddHeadersGiveDefinedValues) {
  struct Row {
    std::string answer;
    std::function<void(THttpClient&, const std::string& body)> check;
  };
  const std::vector<Row> rows = {
      {"HTTP/1.0 200 OK\r\nContent-Length: 99999999999999999999999\r\n\r\nx",
       [](THttpClient& h, const std::string&) {
         EXPECT_EQ(h.ExpectedBytes(), std::numeric_limits<std::int64_t>::max());
       }},
      {"HTTP/1.0 200 OK\r\ncontent-length:   ab 12cd\r\n\r\nx",
       [](THttpClient& h, const std::string&) { EXPECT_EQ(h.ExpectedBytes(), 12); }},
      {"HTTP/1.0 200 OK\r\nContent-Length:\r\nLocation:\r\nSet-Cookie:\r\n\r\nx",
       [](THttpClient& h, const std::string&) { EXPECT_EQ(h.ExpectedBytes(), 0); }},
      {"HTTP/1.0 99999 Big\r\n\r\nx", [](THttpClient& h, const std::string&) { EXPECT_EQ(h.StatusCode(), 0); }},
      {std::string("\0\xff\xfe binary\r\n\r\nx", 15),
       [](THttpClient& h, const std::string& body) {
         EXPECT_EQ(h.StatusCode(), 0);
         EXPECT_EQ(body, "x");
       }},
      {"HTTP/1.0 204 No Content\n\nlf only",
       [](THttpClient& h, const std::string& body) {
         EXPECT_EQ(h.StatusCode(), 204);
         EXPECT_EQ(body, "lf only");
       }},
      {"HTTP/1.0 200 OK\r\nServer: cut", [](THttpClient& h, const std::string& body) {
         EXPECT_EQ(h.StatusCode(), 200);
         EXPECT_EQ(body, "");
       }},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(row.answer);
    ScriptedServer server({Respond(row.answer)});
    EXPECT_NO_THROW(http.Get(server.Url("/a")));
    row.check(http, BodyFile());
  }
}

TEST_F(HttpHostileAnswerTest, LongLocationAndCookieValuesAreCut) {
  ScriptedServer server({Respond("HTTP/1.0 302 Found\r\nLocation: /" + std::string(1000, 'l') +
                                "\r\nSet-Cookie: " + std::string(1000, 'c') + "\r\n\r\n")});
  http.OnRedirect = [](TSocketClient&, bool& handled) { handled = true; };
  http.Get(server.Url("/a"));
  EXPECT_EQ(http.RequestAddress(), "/" + std::string(255, 'l'));
  EXPECT_EQ(http.RequestHeaders.Cookie, std::string(256, 'c'));
}

// Random answers over the wire: whatever arrives, Get returns or raises one
// of the program's errors, and never touches memory it does not own (the
// sanitizer build watches that).
TEST_F(HttpHostileAnswerTest, RandomAnswersNeverCrashTheClient) {
  constexpr int kAnswers = 60;
  const char* pieces[] = {"HTTP/1.0 ", "200", "302", "404", " ", "\r\n", "\n", "\r", "Location: ",
                          "Set-Cookie: ", "Content-Length: ", "99999999999", ":", "/", "//", "x"};
  ScriptedServer server({[&pieces](ScriptPeer& peer) {
                          static std::mt19937 random(4711);
                          std::string answer;
                          const int count = static_cast<int>(random() % 40);
                          for (int i = 0; i < count; ++i) {
                            if (random() % 4 == 0)
                              answer += static_cast<char>(random() % 256);
                            else
                              answer += pieces[random() % std::size(pieces)];
                          }
                          peer.ReadRequest();
                          peer.Send(answer);
                        }},
                        kAnswers);
  // Redirections would leave the scripted server: they end here.
  http.OnRedirect = [](TSocketClient&, bool& handled) { handled = true; };
  int returned = 0;
  for (int i = 0; i < kAnswers; ++i) {
    try {
      http.Get(server.Url("/r"));
      ++returned;
    } catch (const Exception&) {
    }
  }
  EXPECT_EQ(server.Connections(), kAnswers);
  EXPECT_GT(returned, 0);
}

}  // namespace
}  // namespace sorvane::testing
