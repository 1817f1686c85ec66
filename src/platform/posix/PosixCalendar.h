#pragma once

#include <ctime>
#include <optional>

#include "platform/Calendar.h"

namespace sorvane {

// The local calendar of the system's time zone.
class PosixCalendar : public Calendar {
 public:
  double Today() override;
  double Now() override;
  // The file's st_mtime, seconds rounded down to even.
  std::optional<double> FileDate(const std::string& path) override;
};

// A moment in local time as a date-time at the two-second resolution of a
// DOS date, clamped into the years 1980 to 2107.
double DosDateTimeOf(std::time_t moment);

}  // namespace sorvane
