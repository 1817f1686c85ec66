#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "platform/Errors.h"

namespace sorvane {

class Locale;

// Date-times count days since 1899-12-30; the fraction is the time of day.

// The date-time of a calendar day at midnight; nothing when the day does not
// exist (year 1 to 9999, month 1 to 12, day within the month).
std::optional<double> TryEncodeDate(int year, int month, int day);

struct CalendarDay {
  int year = 0;
  int month = 0;
  int day = 0;
};

// The calendar day of a date-time (its whole part; before 1899-12-30 the
// whole part counts toward zero, as the runtime's negative date-times do).
// Date-times outside the years 1 to 9999 give {0, 0, 0}.
CalendarDay DecodeDate(double dateTime);

namespace texts {
inline constexpr char kInvalidDate[] = "'%s' ist kein gültiges Datum";
}  // namespace texts

// What the runtime's date conversion takes from the user's settings.
struct DateSettings {
  std::string shortDateFormat = "dd.MM.yyyy";  // Windows picture notation
  char dateSeparator = '.';
  int currentYear = 2000;  // for a missing year and the two-digit window
  // Two-digit years fall into the 100 years from currentYear - window on.
  int twoDigitYearCenturyWindow = 50;

  // The locale's short date format and separator, for a current year.
  static DateSettings FromLocale(Locale& locale, int currentYear);
};

// The separator of a short date picture: its first character that is no
// letter, quote or blank; "/" when there is none.
char DateSeparatorOf(std::string_view picture);

// The runtime's reading of a date written in the short date format. The order
// of day, month and year is the order of the picture's first field (d: day
// first, M: month first, y: year first, month then day). The text holds two or
// three numbers separated by the date separator; blanks may stand before each
// number and separator and at the end, and one separator may follow the third
// number.
// Two numbers are day and month (or month and day) of the current year. A year
// of one or two digits falls into the century window; more digits are taken
// as they stand. A number ends after its digits or once it has reached 1000,
// so over-long numbers fail. Nothing when the text is no valid date.
std::optional<double> TryStrToDate(std::string_view text, const DateSettings& settings);

// As TryStrToDate; throws EConvertError "'%s' ist kein gültiges Datum" with
// the text (UTF-8) when it is no valid date.
double StrToDate(std::string_view text, const DateSettings& settings);

// The day of a date-time written in the short date format: d and dd the day,
// M and MM the month (longer month fields as MM), y and yy the year's last
// two digits, yyy and yyyy the whole year; quoted text as it stands.
std::string DateToStr(double dateTime, const DateSettings& settings);

}  // namespace sorvane
