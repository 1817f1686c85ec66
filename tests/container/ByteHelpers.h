#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace sorvane::bytes {

// Bytes from hex pairs separated by spaces: Hex("01 00 FF").
inline std::string Hex(std::string_view text) {
  std::string out;
  for (std::size_t i = 0; i < text.size();) {
    if (text[i] == ' ') {
      ++i;
      continue;
    }
    out += static_cast<char>(std::stoi(std::string(text.substr(i, 2)), nullptr, 16));
    i += 2;
  }
  return out;
}

// A little-endian 32-bit value as four bytes.
inline std::string Le32(std::int64_t value) {
  const auto v = static_cast<std::uint32_t>(value);
  std::string out;
  for (int shift = 0; shift < 32; shift += 8) out += static_cast<char>((v >> shift) & 0xFF);
  return out;
}

// The 49-byte container of the format's worked example: account "abc" without
// password in column 0, member a.txt visible there holding "hi", title T,
// author A.
inline std::string WorkedExample() {
  return Hex(
      "01 00 00 00 01 00 00 00 05 00 00 00 67 37 80 87 86 01 00 00 00 02 00 00 00 02 00 00 00 68 69"
      " 01 06 03 65 69 6D 06 00 02 00 08 06 01 54 06 01 41 00");
}

}  // namespace sorvane::bytes
