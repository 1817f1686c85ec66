#include "platform/posix/PosixCalendar.h"

#include <sys/stat.h>

#include <chrono>

#include "platform/DateConversion.h"

namespace sorvane {
namespace {

std::tm Local(std::time_t moment) {
  std::tm local{};
  localtime_r(&moment, &local);
  return local;
}

// A day and time from 1980 on, where date-times are positive.
double DateAndTime(const std::tm& local, int second) {
  const double day = TryEncodeDate(local.tm_year + 1900, local.tm_mon + 1, local.tm_mday).value_or(0);
  return day + (local.tm_hour * 3600.0 + local.tm_min * 60.0 + second) / 86400.0;
}

}  // namespace

double PosixCalendar::Today() {
  const std::tm local = Local(std::time(nullptr));
  return TryEncodeDate(local.tm_year + 1900, local.tm_mon + 1, local.tm_mday).value_or(0);
}

double PosixCalendar::Now() {
  const auto now = std::chrono::system_clock::now();
  const std::time_t seconds = std::chrono::system_clock::to_time_t(now);
  const auto millis =
      std::chrono::duration_cast<std::chrono::milliseconds>(now - std::chrono::system_clock::from_time_t(seconds));
  const std::tm local = Local(seconds);
  return DateAndTime(local, local.tm_sec) + millis.count() / 86400000.0;
}

std::optional<double> PosixCalendar::FileDate(const std::string& path) {
  struct stat info {};
  if (::stat(path.c_str(), &info) != 0) return std::nullopt;
  return DosDateTimeOf(info.st_mtime);
}

double DosDateTimeOf(std::time_t moment) {
  std::tm local{};
  const bool known = localtime_r(&moment, &local) != nullptr;
  const int year = local.tm_year + 1900;
  // A date outside the DOS years is taken as the nearest one inside: as 0 it
  // would make every update look newer, for ever.
  if ((!known && moment < 0) || (known && year < 1980)) return *TryEncodeDate(1980, 1, 1);
  if (!known || year > 2107) return *TryEncodeDate(2107, 12, 31) + (23 * 3600 + 59 * 60 + 58) / 86400.0;
  // A DOS time keeps seconds in units of two, and a leap second as 58.
  const int second = local.tm_sec > 59 ? 58 : local.tm_sec / 2 * 2;
  return DateAndTime(local, second);
}

}  // namespace sorvane
