#include "platform/win32/Win32Shell.h"

#include <windows.h>
#include <shellapi.h>

#include <cctype>

#include "platform/win32/WidePath.h"

namespace sorvane {
namespace {

bool IsWebAddress(const std::string& text) {
  const auto colon = text.find(':');
  if (colon == std::string::npos || colon < 2 || !std::isalpha(static_cast<unsigned char>(text[0]))) return false;
  for (std::size_t i = 1; i < colon; ++i) {
    const auto c = static_cast<unsigned char>(text[i]);
    if (!std::isalnum(c) && c != '+' && c != '-' && c != '.') return false;
  }
  return true;
}

const wchar_t* OrNull(const std::wstring& text) { return text.empty() ? nullptr : text.c_str(); }

// Each path followed by a NUL, and one more NUL at the end.
std::wstring PathList(const std::vector<std::string>& paths) {
  std::wstring list;
  for (const auto& path : paths) list += WidePath(path) + L'\0';
  return list + L'\0';
}

}  // namespace

void Win32Shell::Open(const std::string& path, const std::string& parameters, const std::string& workingFolder,
                      int showCommand) {
  const std::wstring target = IsWebAddress(path) ? WideText(path) : WidePath(path);
  const std::wstring arguments = WideText(parameters);
  const std::wstring folder = WidePath(workingFolder);
  ShellExecuteW(nullptr, L"open", target.c_str(), OrNull(arguments), OrNull(folder), showCommand);
}

bool Win32Shell::FileOperation(int operation, const std::vector<std::string>& files, const std::string& destination,
                               bool confirm) {
  const std::wstring from = PathList(files);
  const std::wstring to = PathList({destination});
  SHFILEOPSTRUCTW record{};
  record.wFunc = static_cast<UINT>(operation);
  record.pFrom = from.c_str();
  record.pTo = operation == FO_DELETE ? nullptr : to.c_str();
  record.fFlags = confirm ? 0 : FOF_NOCONFIRMATION;
  // A failed operation (a missing source, for example) aborts nothing: its
  // answer must count as well, or a failure would read as success.
  const int result = SHFileOperationW(&record);
  return result == 0 && !record.fAnyOperationsAborted;
}

}  // namespace sorvane
