#pragma once

#include <cstdint>
#include <string>

#include "platform/Stream.h"

namespace sorvane {

// The container stores its integers as little-endian two's complement,
// whatever the machine's own order.

inline std::int32_t DecodeInt32(const unsigned char* bytes) {
  return static_cast<std::int32_t>(static_cast<std::uint32_t>(bytes[0]) | static_cast<std::uint32_t>(bytes[1]) << 8 |
                                   static_cast<std::uint32_t>(bytes[2]) << 16 |
                                   static_cast<std::uint32_t>(bytes[3]) << 24);
}

inline void AppendInt32(std::string& out, std::int32_t value) {
  const auto v = static_cast<std::uint32_t>(value);
  for (int shift = 0; shift < 32; shift += 8) out += static_cast<char>((v >> shift) & 0xFF);
}

// Reads four bytes or throws EReadError "Stream-Lesefehler".
inline std::int32_t ReadInt32(Stream& stream) {
  unsigned char bytes[4];
  stream.ReadBuffer(bytes, 4);
  return DecodeInt32(bytes);
}

}  // namespace sorvane
