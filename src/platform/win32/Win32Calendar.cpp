#include "platform/win32/Win32Calendar.h"

#include "platform/DateConversion.h"
#include "platform/win32/WidePath.h"
#include "platform/win32/WindowsApi.h"

namespace sorvane {
namespace {

double DayOf(const SYSTEMTIME& time) { return TryEncodeDate(time.wYear, time.wMonth, time.wDay).value_or(0); }

double SecondsOfDay(int hour, int minute, int second) { return (hour * 3600.0 + minute * 60.0 + second) / 86400.0; }

}  // namespace

double Win32Calendar::Today() {
  SYSTEMTIME now;
  ::GetLocalTime(&now);
  return DayOf(now);
}

double Win32Calendar::Now() {
  SYSTEMTIME now;
  ::GetLocalTime(&now);
  return DayOf(now) + SecondsOfDay(now.wHour, now.wMinute, now.wSecond) + now.wMilliseconds / 86400000.0;
}

std::optional<double> Win32Calendar::FileDate(const std::string& path) {
  WIN32_FILE_ATTRIBUTE_DATA data;
  if (!::GetFileAttributesExW(WidePath(path).c_str(), GetFileExInfoStandard, &data)) return std::nullopt;
  // The local time of the moment itself, with the summer time of that day
  // rather than today's.
  SYSTEMTIME universal;
  SYSTEMTIME local;
  if (!::FileTimeToSystemTime(&data.ftLastWriteTime, &universal) ||
      !::SystemTimeToTzSpecificLocalTime(nullptr, &universal, &local)) {
    return std::nullopt;
  }
  // A date outside the DOS years is taken as the nearest one inside: as 0 it
  // would make every update look newer, for ever.
  if (local.wYear < 1980) return *TryEncodeDate(1980, 1, 1);
  if (local.wYear > 2107) return *TryEncodeDate(2107, 12, 31) + SecondsOfDay(23, 59, 58);
  return DayOf(local) + SecondsOfDay(local.wHour, local.wMinute, local.wSecond / 2 * 2);
}

}  // namespace sorvane
