#pragma once

#include <string>

#include "platform/Locale.h"

namespace sorvane {

// The user's regional settings as the environment names them (LC_ALL, then
// LC_NUMERIC or LC_TIME, then LANG). Where the named locale is not installed
// on this machine, a small built-in table of common languages stands in for
// it, so that a German user still gets the comma and "dd.MM.yyyy". The word
// order is our own table and does not depend on the locale (WordOrder.h).
class PosixLocale : public Locale {
 public:
  PosixLocale();
  // Locales named explicitly, e.g. "de_DE.UTF-8"; "" means the environment.
  PosixLocale(const std::string& numericLocale, const std::string& timeLocale);

  std::string DecimalSeparator() override { return decimalSeparator_; }
  std::string ShortDateFormat() override { return shortDateFormat_; }
  std::string LongTimeFormat() override { return longTimeFormat_; }
  int CompareStrings(std::string_view a, std::string_view b) override;

 private:
  std::string decimalSeparator_;
  std::string shortDateFormat_;
  std::string longTimeFormat_;
};

}  // namespace sorvane
