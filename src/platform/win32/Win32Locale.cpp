#include "platform/win32/Win32Locale.h"

#include <algorithm>
#include <climits>
#include <iterator>

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

// lstrcmpA converts both texts from the ANSI code page and compares them with
// CompareStringEx in the thread's locale, without flags; the sort key of that
// locale orders texts the same when its bytes are compared (for the
// Windows-1252 texts here the two agree on every text of the recorded Windows
// orders). Under Wine one lstrcmpA costs about half a microsecond.
bool Win32Locale::AppendSortKey(std::string_view text, std::string& keys) {
  // lstrcmpA reads a text up to its first NUL byte.
  text = text.substr(0, text.find('\0'));
  const int length = static_cast<int>(std::min<std::size_t>(text.size(), INT_MAX - 1));
  wchar_t small[128];
  std::wstring large;
  wchar_t* wide = small;
  if (length >= static_cast<int>(std::size(small))) {
    large.resize(static_cast<std::size_t>(length) + 1);
    wide = large.data();
  }
  const int count = length == 0 ? 0 : ::MultiByteToWideChar(CP_ACP, 0, text.data(), length, wide, length);
  wide[count] = L'\0';

  const LCID locale = ::GetThreadLocale();
  const std::size_t at = keys.size();
  // Room for the usual key (two bytes a letter and a few more); the exact
  // size is asked for only when that is not enough (accents, "\xDF").
  int room = 2 * count + 32;
  for (int attempt = 0; attempt < 2; ++attempt) {
    keys.resize(at + static_cast<std::size_t>(room));
    const int made = ::LCMapStringW(locale, LCMAP_SORTKEY, wide, -1, reinterpret_cast<LPWSTR>(keys.data() + at), room);
    if (made > 0) {
      keys.resize(at + static_cast<std::size_t>(made));
      return true;
    }
    if (::GetLastError() != ERROR_INSUFFICIENT_BUFFER) break;
    room = ::LCMapStringW(locale, LCMAP_SORTKEY, wide, -1, nullptr, 0);
    if (room <= 0) break;
  }
  keys.resize(at);
  return false;
}

}  // namespace sorvane
