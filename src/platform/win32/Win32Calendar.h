#pragma once

#include <optional>

#include "platform/Calendar.h"

namespace sorvane {

// The local calendar of the system's time zone.
class Win32Calendar : public Calendar {
 public:
  double Today() override;
  double Now() override;
  // The file's last write time (GetFileAttributesExA) in the local time of
  // that moment, seconds rounded down to even.
  std::optional<double> FileDate(const std::string& path) override;
};

}  // namespace sorvane
