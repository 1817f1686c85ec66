#include "platform/win32/Win32CodePage.h"

#include "platform/win32/AnsiText.h"
#include "platform/win32/WindowsApi.h"

namespace sorvane {
namespace {

// wchar_t is UTF-16 on Windows.
std::u16string ToU16(const std::wstring& text) { return std::u16string(text.begin(), text.end()); }
std::wstring FromU16(const std::u16string& text) { return std::wstring(text.begin(), text.end()); }

}  // namespace

std::string Win32CodePage::AnsiToUtf8(const AnsiString& text) {
  return NarrowText(WidenText(text, CP_ACP), CP_UTF8);
}

AnsiString Win32CodePage::Utf8ToAnsi(const std::string& text) { return NarrowText(WidenText(text, CP_UTF8), CP_ACP); }

AnsiString Win32CodePage::WideToAnsi(const std::u16string& text) { return NarrowText(FromU16(text), CP_ACP); }

std::u16string Win32CodePage::Utf8ToWide(const std::string& text) { return ToU16(WidenText(text, CP_UTF8)); }

}  // namespace sorvane
