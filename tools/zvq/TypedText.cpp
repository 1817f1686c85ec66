#include "TypedText.h"

namespace sorvane::zvq {
namespace {

bool IsValidUtf8(const std::string& text) {
  for (std::size_t i = 0; i < text.size();) {
    const auto lead = static_cast<unsigned char>(text[i]);
    std::size_t extra = 0;
    char32_t cp = 0;
    if (lead < 0x80) {
      ++i;
      continue;
    } else if (lead >= 0xC2 && lead <= 0xDF) {
      extra = 1;
      cp = lead & 0x1F;
    } else if ((lead & 0xF0) == 0xE0) {
      extra = 2;
      cp = lead & 0x0F;
    } else if (lead >= 0xF0 && lead <= 0xF4) {
      extra = 3;
      cp = lead & 0x07;
    } else {
      return false;
    }
    if (i + extra >= text.size()) return false;
    for (std::size_t k = 1; k <= extra; ++k) {
      const auto next = static_cast<unsigned char>(text[i + k]);
      if ((next & 0xC0) != 0x80) return false;
      cp = (cp << 6) | (next & 0x3F);
    }
    const char32_t minimum = extra == 2 ? 0x800 : extra == 3 ? 0x10000 : 0x80;
    if (cp < minimum || cp > 0x10FFFF || (cp >= 0xD800 && cp <= 0xDFFF)) return false;
    i += extra + 1;
  }
  return true;
}

bool IsControl(unsigned char byte) {
  // C0 controls, DEL, and the bytes that Windows-1252 maps to C1 controls.
  return byte < 0x20 || byte == 0x7F || byte == 0x81 || byte == 0x8D || byte == 0x8F || byte == 0x90 ||
         byte == 0x9D;
}

}  // namespace

AnsiString TypedToAnsi(const std::string& typed, CodePage& codePage) {
  return IsValidUtf8(typed) ? codePage.Utf8ToAnsi(typed) : typed;
}

std::string Shown(const AnsiString& text, CodePage& codePage) {
  AnsiString shown = text;
  for (char& c : shown) {
    if (IsControl(static_cast<unsigned char>(c))) c = '?';
  }
  return codePage.AnsiToUtf8(shown);
}

}  // namespace sorvane::zvq
