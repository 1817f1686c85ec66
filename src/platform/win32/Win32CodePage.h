#pragma once

#include "platform/CodePage.h"

namespace sorvane {

// Code page 1252, in which the containers are written, by the system's
// conversions, whatever the user's own ANSI code page is. Characters the
// code page lacks become "?" rather than a look-alike.
class Win32CodePage : public CodePage {
 public:
  std::string AnsiToUtf8(const AnsiString& text) override;
  AnsiString Utf8ToAnsi(const std::string& text) override;
  AnsiString WideToAnsi(const std::u16string& text) override;
  std::u16string Utf8ToWide(const std::string& text) override;
};

}  // namespace sorvane
