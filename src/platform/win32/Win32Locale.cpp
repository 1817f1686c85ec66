#include "platform/win32/Win32Locale.h"

#include "platform/win32/AnsiText.h"
#include "platform/win32/WindowsApi.h"

namespace sorvane {
namespace {

// One setting of the user's locale in UTF-8; fallback when the system has
// none.
std::string Setting(LCTYPE item, const char* fallback) {
  char buffer[128] = {};
  const int length = ::GetLocaleInfoA(LOCALE_USER_DEFAULT, item, buffer, sizeof buffer);
  if (length <= 1) return fallback;
  return NarrowText(WidenText(std::string_view(buffer, static_cast<std::size_t>(length - 1)), CP_ACP), CP_UTF8);
}

}  // namespace

Win32Locale::Win32Locale()
    : decimalSeparator_(Setting(LOCALE_SDECIMAL, ".")),
      shortDateFormat_(Setting(LOCALE_SSHORTDATE, "dd.MM.yyyy")),
      longTimeFormat_(Setting(LOCALE_STIMEFORMAT, "HH:mm:ss")) {}

int Win32Locale::CompareStrings(std::string_view a, std::string_view b) {
  return ::lstrcmpA(std::string(a).c_str(), std::string(b).c_str());
}

}  // namespace sorvane
