#include "platform/win32/AnsiText.h"

#include <algorithm>
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

std::string PathToAnsi(std::string_view utf8) { return NarrowText(WidenText(utf8, CP_UTF8), CP_ACP); }

std::string TextToOem(std::string_view utf8) { return NarrowText(WidenText(utf8, CP_UTF8), CP_OEMCP); }

std::string PathFromAnsi(std::string_view ansi) {
  // Converted first: in a double-byte code page a backslash byte can be the
  // second half of a character.
  std::string path = NarrowText(WidenText(ansi, CP_ACP), CP_UTF8);
  std::replace(path.begin(), path.end(), '\\', '/');
  return path;
}

}  // namespace sorvane
