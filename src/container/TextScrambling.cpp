#include "container/TextScrambling.h"

#include <cstdint>

namespace sorvane {
namespace {

// The shift of byte i in a string of n bytes. Only the low 8 bits of i and n
// matter, so the unsigned arithmetic may wrap freely.
std::uint8_t Shift(std::size_t i, std::size_t n) { return static_cast<std::uint8_t>(3 * i + n + 1); }

}  // namespace

AnsiString UnscrambleText(const AnsiString& scrambled) {
  AnsiString plain(scrambled.size(), '\0');
  UnscrambleBytes(reinterpret_cast<const unsigned char*>(scrambled.data()), scrambled.size(), plain.data());
  return plain;
}

AnsiString ScrambleText(const AnsiString& plain) {
  AnsiString stored(plain);
  const std::size_t n = stored.size();
  for (std::size_t i = 0; i < n; ++i) {
    stored[i] = static_cast<char>(static_cast<std::uint8_t>(stored[i]) + Shift(i, n));
  }
  return stored;
}

}  // namespace sorvane
