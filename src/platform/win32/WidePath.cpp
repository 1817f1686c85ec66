#include "platform/win32/WidePath.h"

#include <algorithm>

#include "platform/win32/AnsiText.h"
#include "platform/win32/WindowsApi.h"

namespace sorvane {

std::wstring WidePath(std::string_view utf8) {
  std::wstring wide = WidenText(utf8, CP_UTF8);
  std::replace(wide.begin(), wide.end(), L'/', L'\\');
  return wide;
}

std::string PathFromWide(std::wstring_view wide) {
  std::string path = NarrowText(wide, CP_UTF8);
  std::replace(path.begin(), path.end(), '\\', '/');
  return path;
}

std::wstring PathWithNames(const std::wstring& path, PathNames names) {
  const auto ask = names == PathNames::Short ? ::GetShortPathNameW : ::GetLongPathNameW;
  const DWORD size = ask(path.c_str(), nullptr, 0);
  if (size == 0) return path;
  std::wstring answer(size, L'\0');
  const DWORD length = ask(path.c_str(), answer.data(), size);
  if (length == 0 || length >= size) return path;
  answer.resize(length);
  return answer;
}

std::wstring WideText(std::string_view utf8) { return WidenText(utf8, CP_UTF8); }

std::string TextFromWide(std::wstring_view wide) { return NarrowText(wide, CP_UTF8); }

}  // namespace sorvane
