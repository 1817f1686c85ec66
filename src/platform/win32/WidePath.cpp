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

std::wstring WideText(std::string_view utf8) { return WidenText(utf8, CP_UTF8); }

std::string TextFromWide(std::wstring_view wide) { return NarrowText(wide, CP_UTF8); }

}  // namespace sorvane
