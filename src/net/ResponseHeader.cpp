#include "net/ResponseHeader.h"

#include <cctype>
#include <limits>

namespace sorvane {
namespace {

std::string UpperFirstWord(std::string_view line) {
  std::string word(line.substr(0, line.find(' ')));
  for (char& c : word) c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
  return word;
}

// The value ends at the first control character: cookie and location go
// into the next request as header lines, and a carriage return or other
// control byte from the server must not start a line of its own there.
std::string ValueFrom(std::string_view line, std::size_t start) {
  if (line.size() <= start) return {};
  std::string_view value = line.substr(start, kMaxHeaderValue);
  std::size_t end = 0;
  while (end < value.size() && static_cast<unsigned char>(value[end]) >= 0x20 && value[end] != 0x7F) ++end;
  return std::string(value.substr(0, end));
}

std::int64_t FirstNumber(std::string_view text) {
  std::size_t i = 0;
  while (i < text.size() && !std::isdigit(static_cast<unsigned char>(text[i]))) ++i;
  constexpr std::int64_t kMax = std::numeric_limits<std::int64_t>::max();
  std::int64_t value = 0;
  for (; i < text.size() && std::isdigit(static_cast<unsigned char>(text[i])); ++i) {
    const int digit = text[i] - '0';
    if (value > (kMax - digit) / 10) return kMax;
    value = value * 10 + digit;
  }
  return value;
}

}  // namespace

std::string_view StripLineEnd(std::string_view line) {
  if (!line.empty() && line.back() == '\n') line.remove_suffix(1);
  if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
  return line;
}

std::int16_t ParseStatusLine(std::string_view line) {
  line = StripLineEnd(line);
  const std::size_t first = line.find(' ');
  if (first == std::string_view::npos) return 0;
  std::string_view number = line.substr(first + 1);
  number = number.substr(0, number.find(' '));
  if (number.empty() || number.size() > 5) return 0;
  int value = 0;
  for (char c : number) {
    if (c < '0' || c > '9') return 0;
    value = value * 10 + (c - '0');
  }
  return value > std::numeric_limits<std::int16_t>::max() ? 0 : static_cast<std::int16_t>(value);
}

bool IsHeaderEnd(std::string_view line) { return line.empty() || line == "\n" || line == "\r\n"; }

void TakeHeaderLine(std::string_view line, AnswerFacts& facts) {
  line = StripLineEnd(line);
  const std::string word = UpperFirstWord(line);
  if (word == "SET-COOKIE:") {
    facts.cookie = ValueFrom(line, 12);
  } else if (word == "LOCATION:") {
    facts.location = ValueFrom(line, 10);
  } else if (word == "CONTENT-LENGTH:") {
    facts.expectedBytes = line.size() > 16 ? FirstNumber(line.substr(16)) : 0;
  }
}

}  // namespace sorvane
