#pragma once

#include "platform/CodePage.h"

namespace sorvane {

// Code page 1252 by table, the way Windows converts it: the five bytes the
// code page leaves undefined (81, 8D, 8F, 90, 9D hex) map to the C1 control
// characters of the same number, so every byte survives a round trip.
class Cp1252CodePage : public CodePage {
 public:
  std::string AnsiToUtf8(const AnsiString& text) override;
  AnsiString Utf8ToAnsi(const std::string& text) override;
  AnsiString WideToAnsi(const std::u16string& text) override;
  std::u16string Utf8ToWide(const std::string& text) override;
};

}  // namespace sorvane
