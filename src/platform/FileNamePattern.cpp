#include "platform/FileNamePattern.h"

#include <cstddef>
#include <string>

namespace sorvane {
namespace {

// Case folding for the search: ASCII and the letter pairs of code page 1252.
char32_t Fold(char32_t c) {
  if (c >= U'A' && c <= U'Z') return c + 0x20;
  if (c >= 0xC0 && c <= 0xDE && c != 0xD7) return c + 0x20;
  switch (c) {
    case 0x152: return 0x153;  // OE ligature
    case 0x160: return 0x161;  // S caron
    case 0x17D: return 0x17E;  // Z caron
    case 0x178: return 0xFF;   // Y diaeresis
    default: return c;
  }
}

// Next character of UTF-8 text; a byte that does not start a well-formed
// sequence stands for itself (moved past the last code point, so it equals
// no real character).
char32_t NextChar(std::string_view text, std::size_t& i) {
  const auto lead = static_cast<unsigned char>(text[i]);
  if (lead < 0x80) {
    ++i;
    return lead;
  }
  const int extra = lead >= 0xC2 && lead < 0xE0 ? 1 : lead >= 0xE0 && lead < 0xF0 ? 2 : lead >= 0xF0 && lead < 0xF5 ? 3 : 0;
  if (extra > 0 && i + extra < text.size()) {
    char32_t c = lead & (0x3F >> extra);
    int k = 1;
    for (; k <= extra && (static_cast<unsigned char>(text[i + k]) & 0xC0) == 0x80; ++k) {
      c = c << 6 | (static_cast<unsigned char>(text[i + k]) & 0x3F);
    }
    if (k > extra) {
      i += extra + 1;
      return c;
    }
  }
  ++i;
  return 0x110000 + lead;
}

std::u32string Characters(std::string_view text) {
  std::u32string out;
  for (std::size_t i = 0; i < text.size();) out += Fold(NextChar(text, i));
  return out;
}

}  // namespace

bool MatchFileNamePattern(std::string_view pattern, std::string_view name) {
  if (pattern == "*.*") return true;  // the Windows search's "every name", dot or not
  const std::u32string p = Characters(pattern);
  const std::u32string n = Characters(name);
  // Greedy matching that returns to the last "*" on a mismatch; linear in
  // practice and never recursive.
  std::size_t pi = 0, ni = 0, starP = std::u32string::npos, starN = 0;
  while (ni < n.size()) {
    if (pi < p.size() && (p[pi] == U'?' || p[pi] == n[ni])) {
      ++pi;
      ++ni;
    } else if (pi < p.size() && p[pi] == U'*') {
      starP = pi++;
      starN = ni;
    } else if (starP != std::u32string::npos) {
      pi = starP + 1;
      ni = ++starN;
    } else {
      return false;
    }
  }
  while (pi < p.size() && p[pi] == U'*') ++pi;
  return pi == p.size();
}

}  // namespace sorvane
