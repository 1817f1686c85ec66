#pragma once

#include <optional>
#include <string>

namespace sorvane {

// The local calendar: dates as the runtime counts them, a double of days
// since 1899-12-30 whose fraction is the time of day (DateConversion.h).
class Calendar {
 public:
  virtual ~Calendar() = default;

  // The current local date at midnight (a whole number).
  virtual double Today() = 0;

  // The current local date and time.
  virtual double Now() = 0;

  // The file's last modification in local time at the two-second resolution
  // of a DOS file date, a date outside what a DOS date holds clamped to the
  // first or last moment of the years 1980 to 2107; nothing when the file
  // cannot be examined.
  virtual std::optional<double> FileDate(const std::string& path) = 0;
};

}  // namespace sorvane
