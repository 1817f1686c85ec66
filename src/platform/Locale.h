#pragma once

#include <string>
#include <string_view>

#include "platform/Text.h"

namespace sorvane {

// The user's regional settings.
class Locale {
 public:
  virtual ~Locale() = default;

  // Decimal separator of numbers, UTF-8 (a German locale gives ",").
  virtual std::string DecimalSeparator() = 0;

  // Short date format in the Windows picture notation, e.g. "dd.MM.yyyy".
  virtual std::string ShortDateFormat() = 0;

  // Long time format in the Windows picture notation, e.g. "HH:mm:ss".
  virtual std::string LongTimeFormat() = 0;

  // The locale's word order for sorting names (as lstrcmpA compares
  // Windows-1252 text): letters compare alphabetically first without regard
  // to case or accents, then by accents, then by case with lower case first;
  // hyphen and apostrophe do not separate words. Negative, zero or positive.
  virtual int CompareStrings(std::string_view a, std::string_view b) = 0;

  // Appends a sort key of text to keys: bytes whose order (compared as
  // unsigned) is the order of CompareStrings, so that a sort of many texts
  // makes one key per text instead of comparing texts some forty times each.
  // False, keys unchanged, where the system has no such keys: sorts compare
  // the texts then.
  virtual bool AppendSortKey(std::string_view /*text*/, std::string& /*keys*/) { return false; }
};

}  // namespace sorvane
