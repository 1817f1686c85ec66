#pragma once

#include <string>
#include <string_view>

#include "platform/Locale.h"
#include "platform/WordOrder.h"

namespace sorvane {

// German settings whatever the machine's: the comma as decimal separator,
// "dd.MM.yyyy", and the system's word order.
class FakeLocale : public Locale {
 public:
  std::string DecimalSeparator() override { return ","; }
  std::string ShortDateFormat() override { return "dd.MM.yyyy"; }
  std::string LongTimeFormat() override { return "HH:mm:ss"; }
  int CompareStrings(std::string_view a, std::string_view b) override { return CompareWordOrder(a, b); }
};

}  // namespace sorvane
