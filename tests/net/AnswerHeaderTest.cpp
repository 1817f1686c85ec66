#include "net/ResponseHeader.h"

#include <gtest/gtest.h>
#include <limits>
#include <random>

namespace sorvane {
namespace {

TEST(AnswerHeaderTest, StatusNumberIsTheTextBetweenTheFirstTwoBlanks) {
  EXPECT_EQ(ParseStatusLine("HTTP/1.0 200 OK\r\n"), 200);
  EXPECT_EQ(ParseStatusLine("HTTP/1.1 404\r\n"), 404);
  EXPECT_EQ(ParseStatusLine("HTTP/1.0 302 Moved Temporarily\n"), 302);
  EXPECT_EQ(ParseStatusLine("HTTP/1.0 32767 x"), 32767);
  for (const char* line : {"", "\r\n", "HTTP/1.0", "HTTP/1.0 OK\r\n", "HTTP/1.0  200 OK", "HTTP/1.0 2x0 OK",
                           "HTTP/1.0 -1 OK", "HTTP/1.0 32768 x", "HTTP/1.0 999999999999 x"})
    EXPECT_EQ(ParseStatusLine(line), 0) << line;
}

TEST(AnswerHeaderTest, TakesCookieLocationAndLengthFromTheirLines) {
  AnswerFacts facts;
  TakeHeaderLine("Set-Cookie: id=7; path=/\r\n", facts);
  TakeHeaderLine("location: http://h/new\r\n", facts);
  TakeHeaderLine("CONTENT-LENGTH: 1234\r\n", facts);
  TakeHeaderLine("Server: Location: nothing\r\n", facts);
  EXPECT_EQ(facts.cookie, "id=7; path=/");
  EXPECT_EQ(facts.location, "http://h/new");
  EXPECT_EQ(facts.expectedBytes, 1234);
}

TEST(AnswerHeaderTest, ValuesAreTakenFromFixedColumnsAsReceived) {
  AnswerFacts facts;
  TakeHeaderLine("Location:  /two-blanks\n", facts);
  EXPECT_EQ(facts.location, " /two-blanks");
  TakeHeaderLine("Location:/glued\r\n", facts);  // first word is not "LOCATION:"
  EXPECT_EQ(facts.location, " /two-blanks");
  TakeHeaderLine("Content-Length: about 17 bytes, not 18", facts);
  EXPECT_EQ(facts.expectedBytes, 17);
  TakeHeaderLine("Content-Length: none", facts);
  EXPECT_EQ(facts.expectedBytes, 0);
  TakeHeaderLine("Content-Length: 123456789012345678901234567890\r\n", facts);
  EXPECT_EQ(facts.expectedBytes, std::numeric_limits<std::int64_t>::max());
  TakeHeaderLine("Set-Cookie: " + std::string(300, 'c') + "\r\n", facts);
  EXPECT_EQ(facts.cookie, std::string(256, 'c'));
}

TEST(AnswerHeaderTest, ValuesStopAtControlCharactersSoTheyCannotAddRequestLines) {
  AnswerFacts facts;
  TakeHeaderLine("Set-Cookie: id=7\rX-Injected: 1\r\n", facts);
  EXPECT_EQ(facts.cookie, "id=7");
  constexpr char kWithZero[] = "Location: /next\0/x\r\n";
  TakeHeaderLine(std::string(kWithZero, sizeof kWithZero - 1), facts);
  EXPECT_EQ(facts.location, "/next");
  TakeHeaderLine("Location: /a\tb\r\n", facts);
  EXPECT_EQ(facts.location, "/a");
}

TEST(AnswerHeaderTest, OnlyAnEmptyLineEndsTheHeader) {
  EXPECT_TRUE(IsHeaderEnd(""));
  EXPECT_TRUE(IsHeaderEnd("\n"));
  EXPECT_TRUE(IsHeaderEnd("\r\n"));
  EXPECT_FALSE(IsHeaderEnd(" \r\n"));
  EXPECT_FALSE(IsHeaderEnd("\r"));
}

TEST(AnswerHeaderTest, RandomLinesNeverReadOutsideThemselves) {
  std::mt19937 random(99);
  const std::string words[] = {"Set-Cookie:", "LOCATION:", "content-length:", " ", "\r", "\n", "9", "x"};
  for (int i = 0; i < 5000; ++i) {
    std::string line;
    const int parts = static_cast<int>(random() % 8);
    for (int p = 0; p < parts; ++p)
      line += random() % 3 == 0 ? std::string(1, static_cast<char>(random())) : words[random() % std::size(words)];
    AnswerFacts facts;
    TakeHeaderLine(line, facts);
    ParseStatusLine(line);
    EXPECT_LE(facts.cookie.size(), kMaxHeaderValue);
    EXPECT_LE(facts.location.size(), kMaxHeaderValue);
    EXPECT_GE(facts.expectedBytes, 0);
  }
}

}  // namespace
}  // namespace sorvane
