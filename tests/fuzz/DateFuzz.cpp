// Fuzz entry: the runtime's date reading. The first byte picks the short
// date format and the current year; the rest is the text. A text that reads
// as a date gives a real calendar day, and writing that day in a format with
// four-digit years and reading it back gives the same day.

#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <string_view>

#include "platform/DateConversion.h"

namespace {

using namespace sorvane;

const DateSettings kSettings[] = {
    {"dd.MM.yyyy", '.', 2026}, {"d.M.yy", '.', 2003},     {"M/d/yyyy", '/', 2026},
    {"yyyy-MM-dd", '-', 1950}, {"dd/MM/yy", '/', 9999},   {"yy.MM.dd", '.', 1},
    {"'Tag' d.M.", '.', 2026}, {"dd MMM yyyy", ' ', 2026},
};

const DateSettings& LongYears(const DateSettings& settings) {
  static const DateSettings kLong[] = {{"dd.MM.yyyy", '.', 2026}, {"M/d/yyyy", '/', 2026}, {"yyyy-MM-dd", '-', 2026}};
  switch (settings.shortDateFormat[0]) {
    case 'M': return kLong[1];
    case 'y': return kLong[2];
    default: return kLong[0];
  }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  if (size < 1) return 0;
  const DateSettings& settings = kSettings[data[0] % std::size(kSettings)];
  const std::string_view text(reinterpret_cast<const char*>(data) + 1, size - 1);
  const std::optional<double> date = TryStrToDate(text, settings);
  bool threw = false;
  try {
    if (StrToDate(text, settings) != date) std::abort();
  } catch (const EConvertError&) {
    threw = true;
  }
  if (threw == date.has_value()) std::abort();
  if (!date) return 0;
  if (*date != std::trunc(*date)) std::abort();
  const CalendarDay day = DecodeDate(*date);
  if (TryEncodeDate(day.year, day.month, day.day) != date) std::abort();
  const DateSettings& written = LongYears(settings);
  if (TryStrToDate(DateToStr(*date, written), written) != date) std::abort();
  return 0;
}
