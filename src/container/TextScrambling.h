#pragma once

#include <cstddef>
#include <cstdint>
#include <cstring>

#include "platform/Text.h"

namespace sorvane {

// Member names, account names and passwords are stored scrambled by a fixed
// byte transformation. Byte i of a string of n bytes is shifted by 3·i + n + 1
// (modulo 256); the length never changes, and a byte that becomes 0 stays in
// the string. It hides names from a casual look at the file, nothing more.

// Stored bytes to plain text; n is the stored length.
AnsiString UnscrambleText(const AnsiString& scrambled);

// The same for n stored bytes, written to plain (room for n bytes), for
// callers that keep names in a block of their own. Inline, as a load calls
// it for a million short names.
inline void UnscrambleBytes(const unsigned char* scrambled, std::size_t n, char* plain) {
  // The shift of byte i is 3·i + n + 1; grown by 3 per byte and kept as a
  // byte, the loop vectorises.
  auto shift = static_cast<std::uint8_t>(n + 1);
  for (std::size_t i = 0; i < n; ++i, shift += 3) plain[i] = static_cast<char>(scrambled[i] - shift);
}

// The same a block of 16 bytes at a time, in vector registers where the
// processor has them: it reads and writes up to 15 bytes beyond n, so both
// sides must have that room. For a load that unscrambles a million names of
// a dozen or two bytes.
inline void UnscrambleBlocks(const unsigned char* scrambled, std::size_t n, char* plain) {
  using Block = unsigned char __attribute__((vector_size(16)));
  // Byte j of the first block is shifted by 3·j + n + 1, and each block
  // shifts by 48 more than the one before.
  Block shift = {0, 3, 6, 9, 12, 15, 18, 21, 24, 27, 30, 33, 36, 39, 42, 45};
  shift += static_cast<unsigned char>(n + 1);
  for (std::size_t i = 0; i < n; i += 16, shift += 48) {
    Block block;
    std::memcpy(&block, scrambled + i, 16);
    block -= shift;
    std::memcpy(plain + i, &block, 16);
  }
}

// Plain text to stored bytes; n is the plain length.
AnsiString ScrambleText(const AnsiString& plain);

}  // namespace sorvane
