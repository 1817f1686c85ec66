#include "platform/win32/Win32CodePage.h"

#include "platform/win32/AnsiText.h"
#include "platform/win32/WindowsApi.h"

namespace sorvane {
namespace {

// wchar_t is UTF-16 on Windows.
std::u16string ToU16(const std::wstring& text) { return std::u16string(text.begin(), text.end()); }
std::wstring FromU16(const std::u16string& text) { return std::wstring(text.begin(), text.end()); }

// Container names, passwords and the registry's texts are Windows-1252
// whatever the user's ANSI code page: on a Polish or Turkish system that is
// another one, which would read the same bytes as other letters.
constexpr unsigned kWindows1252 = 1252;

}  // namespace

std::string Win32CodePage::AnsiToUtf8(const AnsiString& text) {
  return NarrowText(WidenText(text, kWindows1252), CP_UTF8);
}

AnsiString Win32CodePage::Utf8ToAnsi(const std::string& text) { return NarrowText(WidenText(text, CP_UTF8), kWindows1252); }

AnsiString Win32CodePage::WideToAnsi(const std::u16string& text) { return NarrowText(FromU16(text), kWindows1252); }

std::u16string Win32CodePage::Utf8ToWide(const std::string& text) { return ToU16(WidenText(text, CP_UTF8)); }

}  // namespace sorvane
