#include "platform/FormatSize.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstdlib>

namespace sorvane {
namespace {

constexpr const char* kShortUnits[] = {"Byte", "KB", "MB", "GB", "TB"};
constexpr const char* kLongUnits[] = {"Byte", "Kilobyte", "Megabyte", "Gigabyte", "Terrabyte"};

// v rounded to precision significant digits, halves away from zero, in
// fixed-point notation without trailing fraction zeros.
std::string FormatGeneral(double v, int precision, std::string_view separator) {
  // glibc prints the exact binary value, so 90 digits are enough to tell an
  // exact half from a value just above or below it.
  char buffer[128];
  std::snprintf(buffer, sizeof buffer, "%.90e", v);
  std::string text(buffer);
  const bool negative = text[0] == '-';
  if (negative) text.erase(0, 1);
  const auto e = text.find('e');
  int exponent = std::atoi(text.c_str() + e + 1);
  std::string digits = text.substr(0, 1) + text.substr(2, e - 2);

  std::string kept = digits.substr(0, static_cast<std::size_t>(precision));
  if (digits[static_cast<std::size_t>(precision)] >= '5') {
    int i = precision - 1;
    while (i >= 0 && kept[static_cast<std::size_t>(i)] == '9') kept[static_cast<std::size_t>(i--)] = '0';
    if (i >= 0) {
      ++kept[static_cast<std::size_t>(i)];
    } else {
      kept.insert(kept.begin(), '1');
      kept.pop_back();
      ++exponent;
    }
  }

  std::string whole;
  std::string fraction;
  if (exponent >= 0) {
    const auto intDigits = static_cast<std::size_t>(exponent) + 1;
    if (kept.size() < intDigits) kept.append(intDigits - kept.size(), '0');
    whole = kept.substr(0, intDigits);
    fraction = kept.substr(intDigits);
  } else {
    whole = "0";
    fraction = std::string(static_cast<std::size_t>(-exponent - 1), '0') + kept;
  }
  while (!fraction.empty() && fraction.back() == '0') fraction.pop_back();

  const bool zero = whole.find_first_not_of('0') == std::string::npos && fraction.empty();
  std::string result = (negative && !zero) ? "-" : "";
  result += whole;
  if (!fraction.empty()) {
    result += separator;
    result += fraction;
  }
  return result;
}

}  // namespace

std::string FormatSize(int ExtraDigits, bool LongUnits, std::int64_t size, std::string_view decimalSeparator) {
  double v = static_cast<double>(size);
  int u = 0;
  while (v >= 1024 && u <= 4) {
    v /= 1024;
    ++u;
  }
  if (u == 5) {
    v *= 1024;
    u = 4;
  }
  const int n = static_cast<int>(std::to_string(std::llround(v)).size());
  const int precision = std::clamp(ExtraDigits + n, 1, 18);
  const char* unit = LongUnits ? kLongUnits[u] : kShortUnits[u];
  return FormatGeneral(v, precision, decimalSeparator) + " " + unit;
}

}  // namespace sorvane
