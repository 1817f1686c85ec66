#include "platform/FormatTime.h"

#include <cmath>
#include <cstdint>

namespace sorvane {
namespace {

std::string Number(int value, bool twoDigits) {
  std::string text = std::to_string(value);
  return twoDigits && text.size() < 2 ? "0" + text : text;
}

}  // namespace

std::string FormatTime(std::string_view picture, double dateTime) {
  double fraction = dateTime - std::floor(dateTime);
  if (dateTime < 0 || !std::isfinite(dateTime)) fraction = 0;
  // Whole milliseconds as the runtime decodes a time, then whole seconds.
  const auto millis = static_cast<std::int64_t>(std::llround(fraction * 86400000.0)) % 86400000;
  const int seconds = static_cast<int>(millis / 1000);
  const int hour = seconds / 3600, minute = seconds / 60 % 60, second = seconds % 60;

  std::string text;
  for (std::size_t i = 0; i < picture.size();) {
    const char c = picture[i];
    std::size_t run = 1;
    while (i + run < picture.size() && picture[i + run] == c) ++run;
    switch (c) {
      case 'H': text += Number(hour, run > 1); break;
      case 'h': text += Number(hour % 12 == 0 ? 12 : hour % 12, run > 1); break;
      case 'm': text += Number(minute, run > 1); break;
      case 's': text += Number(second, run > 1); break;
      case 't': text += std::string(hour < 12 ? "AM" : "PM").substr(0, run > 1 ? 2 : 1); break;
      case '\'': {
        // Literal text up to the closing quote; '' inside stands for one.
        run = 1;
        while (i + run < picture.size()) {
          if (picture[i + run] == '\'') {
            if (i + run + 1 < picture.size() && picture[i + run + 1] == '\'') {
              text += '\'';
              run += 2;
              continue;
            }
            ++run;
            break;
          }
          text += picture[i + run];
          ++run;
        }
        break;
      }
      default: text.append(run, c); break;
    }
    i += run;
  }
  return text;
}

}  // namespace sorvane
