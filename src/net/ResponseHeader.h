#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace sorvane {

// What the component takes from an answer's header.
struct AnswerFacts {
  std::int16_t statusCode = 0;
  std::int64_t expectedBytes = 0;  // Content-Length; 0 when none
  std::string cookie;              // Set-Cookie value; empty when none
  std::string location;            // Location value; empty when none
};

// Values taken from header lines are cut to this many characters.
inline constexpr std::size_t kMaxHeaderValue = 256;

// The line without its line end (CR LF, a lone LF, or a CR before the end).
std::string_view StripLineEnd(std::string_view line);

// The status number of an answer's first line: the text between the first
// and the second blank (or the line end). 0 when that is not a decimal
// number of at most 32767, so a status line without a number reads as 0.
std::int16_t ParseStatusLine(std::string_view line);

// True for the line that ends a header: empty (the connection has ended),
// a lone LF, or CR LF.
bool IsHeaderEnd(std::string_view line);

// Takes what a further header line says. The first blank-separated word,
// upper-cased, decides; the value comes from the line as received:
// - "SET-COOKIE:": the cookie is the line from its 13th character on;
// - "LOCATION:": the location is the line from its 11th character on;
// - "CONTENT-LENGTH:": the first run of decimal digits after the 16th
//   character is the expected size (0 when there is none; a number too
//   large for the counter stays at its largest value).
// Cookie and location end before the line end or the first control
// character and are at most 256 characters long. Other lines change nothing.
void TakeHeaderLine(std::string_view line, AnswerFacts& facts);

}  // namespace sorvane
