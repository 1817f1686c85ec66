#include "platform/win32/AnsiText.h"

#include <climits>

#include "platform/win32/WindowsApi.h"

namespace sorvane {

std::wstring WidenText(std::string_view text, unsigned from) {
  if (text.empty()) return {};
  const int length = static_cast<int>(std::min<std::size_t>(text.size(), INT_MAX));
  const int count = ::MultiByteToWideChar(from, 0, text.data(), length, nullptr, 0);
  std::wstring wide(static_cast<std::size_t>(count), L'\0');
  ::MultiByteToWideChar(from, 0, text.data(), length, wide.data(), count);
  return wide;
}

std::string NarrowText(std::wstring_view text, unsigned to) {
  if (text.empty()) return {};
  const int length = static_cast<int>(std::min<std::size_t>(text.size(), INT_MAX));
  // UTF-8 knows every character and takes neither flag nor default.
  const DWORD flags = to == CP_UTF8 ? 0 : WC_NO_BEST_FIT_CHARS;
  const char* const fallback = to == CP_UTF8 ? nullptr : "?";
  const int count = ::WideCharToMultiByte(to, flags, text.data(), length, nullptr, 0, fallback, nullptr);
  std::string narrow(static_cast<std::size_t>(count), '\0');
  ::WideCharToMultiByte(to, flags, text.data(), length, narrow.data(), count, fallback, nullptr);
  return narrow;
}

}  // namespace sorvane
