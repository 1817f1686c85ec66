#pragma once

#include <string>

#include "platform/Text.h"

namespace sorvane {

// Conversions between the Windows ANSI code page (1252), UTF-16 and UTF-8.
class CodePage {
 public:
  virtual ~CodePage() = default;

  // ANSI bytes to UTF-8; every byte has a counterpart.
  virtual std::string AnsiToUtf8(const AnsiString& text) = 0;

  // UTF-8 to ANSI; characters without a counterpart become "?", malformed
  // sequences too.
  virtual AnsiString Utf8ToAnsi(const std::string& text) = 0;

  // UTF-16 to ANSI as the system's wide-to-ANSI conversion does: characters
  // without a counterpart become "?".
  virtual AnsiString WideToAnsi(const std::u16string& text) = 0;

  // UTF-8 to UTF-16; malformed sequences become U+FFFD.
  virtual std::u16string Utf8ToWide(const std::string& text) = 0;
};

}  // namespace sorvane
