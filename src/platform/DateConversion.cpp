#include "platform/DateConversion.h"

#include <cmath>
#include <cstdint>

#include "platform/Locale.h"

namespace sorvane {
namespace {

// Days from 0001-01-01 to 1899-12-30.
constexpr std::int64_t kDateDelta = 693594;

bool IsLeapYear(int year) { return year % 4 == 0 && (year % 100 != 0 || year % 400 == 0); }

int DaysInMonth(int year, int month) {
  static constexpr int kDays[] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
  return month == 2 && IsLeapYear(year) ? 29 : kDays[month - 1];
}

bool IsBlank(char c) { return c == ' '; }

void SkipBlanks(std::string_view text, std::size_t& at) {
  while (at < text.size() && IsBlank(text[at])) ++at;
}

// A number of digits after optional blanks; reading stops once the value has
// reached 1000.
bool ScanNumber(std::string_view text, std::size_t& at, int& number, int& digits) {
  SkipBlanks(text, at);
  std::size_t i = at;
  int value = 0;
  while (i < text.size() && text[i] >= '0' && text[i] <= '9' && value < 1000) {
    value = value * 10 + (text[i] - '0');
    ++i;
  }
  if (i == at) return false;
  digits = static_cast<int>(i - at);
  number = value;
  at = i;
  return true;
}

bool ScanChar(std::string_view text, std::size_t& at, char c) {
  SkipBlanks(text, at);
  if (at < text.size() && text[at] == c) {
    ++at;
    return true;
  }
  return false;
}

enum class DateOrder { MDY, DMY, YMD };

DateOrder OrderOf(std::string_view picture) {
  for (char c : picture) {
    switch (c & 0xDF) {
      case 'E':
      case 'Y': return DateOrder::YMD;
      case 'M': return DateOrder::MDY;
      case 'D': return DateOrder::DMY;
      default: break;
    }
  }
  return DateOrder::MDY;
}

void AppendNumber(std::string& out, int value, int width) {
  std::string digits = std::to_string(value);
  if (static_cast<int>(digits.size()) < width) out.append(width - digits.size(), '0');
  out += digits;
}

}  // namespace

std::optional<double> TryEncodeDate(int year, int month, int day) {
  if (year < 1 || year > 9999 || month < 1 || month > 12 || day < 1 || day > DaysInMonth(year, month)) {
    return std::nullopt;
  }
  std::int64_t days = day;
  for (int m = 1; m < month; ++m) days += DaysInMonth(year, m);
  const std::int64_t y = year - 1;
  days += y * 365 + y / 4 - y / 100 + y / 400;
  return static_cast<double>(days - kDateDelta);
}

CalendarDay DecodeDate(double dateTime) {
  if (!(dateTime > -kDateDelta && dateTime < 2958466.0)) return {};
  // Days since 0000-03-01 of the proleptic calendar, then back to the civil
  // day (months counted from March so that the leap day comes last).
  const std::int64_t days = static_cast<std::int64_t>(std::trunc(dateTime)) + kDateDelta - 1 + 306;
  const std::int64_t era = days / 146097;
  const std::int64_t dayOfEra = days - era * 146097;
  const std::int64_t yearOfEra = (dayOfEra - dayOfEra / 1460 + dayOfEra / 36524 - dayOfEra / 146096) / 365;
  const std::int64_t dayOfYear = dayOfEra - (365 * yearOfEra + yearOfEra / 4 - yearOfEra / 100);
  const std::int64_t shiftedMonth = (5 * dayOfYear + 2) / 153;
  CalendarDay result;
  result.day = static_cast<int>(dayOfYear - (153 * shiftedMonth + 2) / 5 + 1);
  result.month = static_cast<int>(shiftedMonth < 10 ? shiftedMonth + 3 : shiftedMonth - 9);
  result.year = static_cast<int>(yearOfEra + era * 400 + (result.month <= 2 ? 1 : 0));
  return result;
}

DateSettings DateSettings::FromLocale(Locale& locale, int currentYear) {
  DateSettings settings;
  settings.shortDateFormat = locale.ShortDateFormat();
  settings.dateSeparator = DateSeparatorOf(settings.shortDateFormat);
  settings.currentYear = currentYear;
  return settings;
}

char DateSeparatorOf(std::string_view picture) {
  bool quoted = false;
  for (char c : picture) {
    if (c == '\'' || c == '"') {
      quoted = !quoted;
      continue;
    }
    const bool letter = (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z');
    if (!quoted && !letter && c != ' ' && static_cast<unsigned char>(c) < 0x80) return c;
  }
  return '/';
}

std::optional<double> TryStrToDate(std::string_view text, const DateSettings& settings) {
  const DateOrder order = OrderOf(settings.shortDateFormat);
  const char separator = settings.dateSeparator;
  std::size_t at = 0;
  int n1 = 0, n2 = 0, n3 = 0, l1 = 0, l2 = 0, l3 = 0;
  if (!(ScanNumber(text, at, n1, l1) && ScanChar(text, at, separator) && ScanNumber(text, at, n2, l2))) {
    return std::nullopt;
  }
  int year = 0, month = 0, day = 0;
  if (ScanChar(text, at, separator)) {
    if (!ScanNumber(text, at, n3, l3)) return std::nullopt;
    int yearDigits = l3;
    switch (order) {
      case DateOrder::MDY: year = n3; month = n1; day = n2; break;
      case DateOrder::DMY: year = n3; month = n2; day = n1; break;
      case DateOrder::YMD: year = n1; month = n2; day = n3; yearDigits = l1; break;
    }
    if (yearDigits <= 2) {
      const int centuryBase = settings.currentYear - settings.twoDigitYearCenturyWindow;
      year += centuryBase / 100 * 100;
      if (settings.twoDigitYearCenturyWindow > 0 && year < centuryBase) year += 100;
    }
  } else {
    year = settings.currentYear;
    if (order == DateOrder::DMY) {
      day = n1;
      month = n2;
    } else {
      month = n1;
      day = n2;
    }
  }
  ScanChar(text, at, separator);
  SkipBlanks(text, at);
  if (at != text.size()) return std::nullopt;
  return TryEncodeDate(year, month, day);
}

double StrToDate(std::string_view text, const DateSettings& settings) {
  if (const std::optional<double> date = TryStrToDate(text, settings)) return *date;
  throw EConvertError(FormatText(texts::kInvalidDate, text));
}

std::string DateToStr(double dateTime, const DateSettings& settings) {
  const CalendarDay day = DecodeDate(dateTime);
  const std::string_view picture = settings.shortDateFormat;
  std::string out;
  for (std::size_t i = 0; i < picture.size();) {
    const char c = picture[i];
    if (c == '\'' || c == '"') {
      const std::size_t end = picture.find(c, i + 1);
      const std::size_t stop = end == std::string_view::npos ? picture.size() : end;
      out.append(picture.substr(i + 1, stop - i - 1));
      i = stop == picture.size() ? stop : stop + 1;
      continue;
    }
    std::size_t run = 1;
    while (i + run < picture.size() && picture[i + run] == c) ++run;
    switch (c) {
      case 'd': AppendNumber(out, day.day, run >= 2 ? 2 : 1); break;
      case 'M': AppendNumber(out, day.month, run >= 2 ? 2 : 1); break;
      case 'y':
        if (run <= 2) AppendNumber(out, day.year % 100, 2);
        else AppendNumber(out, day.year, 4);
        break;
      default: out.append(run, c);
    }
    i += run;
  }
  return out;
}

}  // namespace sorvane
