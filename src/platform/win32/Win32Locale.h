#pragma once

#include <string>

#include "platform/Locale.h"

namespace sorvane {

// The user's regional settings (GetLocaleInfoA for the user's default
// locale, read once) and the system's word order (lstrcmpA, or its sort keys
// for many texts).
class Win32Locale : public Locale {
 public:
  Win32Locale();

  std::string DecimalSeparator() override { return decimalSeparator_; }
  std::string ShortDateFormat() override { return shortDateFormat_; }
  std::string LongTimeFormat() override { return longTimeFormat_; }
  // lstrcmpA; the texts end at a NUL byte, as the call reads them.
  int CompareStrings(std::string_view a, std::string_view b) override;
  // LCMapStringW's sort key in the thread's locale, as lstrcmpA compares.
  bool AppendSortKey(std::string_view text, std::string& keys) override;

 private:
  std::string decimalSeparator_;
  std::string shortDateFormat_;
  std::string longTimeFormat_;
};

}  // namespace sorvane
