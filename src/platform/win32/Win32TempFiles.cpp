#include "platform/win32/Win32TempFiles.h"

#include "platform/Errors.h"
#include "platform/win32/WidePath.h"
#include "platform/win32/WindowsApi.h"

namespace sorvane {

std::string Win32TempFiles::CreateUniqueFile(const std::string& folder, const std::string& prefix) {
  // The system takes at most three characters of the prefix; cut here, so
  // that a letter of two units is not cut in half.
  std::wstring shortPrefix = WideText(prefix);
  std::size_t keep = 0;
  for (int letters = 0; keep < shortPrefix.size() && letters < 3; ++letters) {
    keep += IS_HIGH_SURROGATE(shortPrefix[keep]) && keep + 1 < shortPrefix.size() ? 2 : 1;
  }
  shortPrefix.resize(keep);
  // The call puts a backslash between folder and name unless the folder
  // ends with one; it knows no "/".
  wchar_t name[MAX_PATH + 1] = {};
  if (::GetTempFileNameW(WidePath(folder).c_str(), shortPrefix.c_str(), 0, name) == 0) {
    throw EFCreateError(FormatText(texts::kFCreateError, folder + TextFromWide(shortPrefix) + "XXXX.tmp"));
  }
  return PathFromWide(name);
}

}  // namespace sorvane
