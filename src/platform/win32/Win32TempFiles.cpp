#include "platform/win32/Win32TempFiles.h"

#include <algorithm>

#include "platform/Errors.h"
#include "platform/win32/AnsiText.h"
#include "platform/win32/WindowsApi.h"

namespace sorvane {

std::string Win32TempFiles::CreateUniqueFile(const std::string& folder, const std::string& prefix) {
  // The system takes at most three characters of the prefix; cut here, so
  // that a letter of two bytes is not cut in half.
  const std::string shortPrefix = PathToAnsi(prefix).substr(0, 3);
  // The call puts a backslash between folder and name unless the folder
  // ends with one; it knows no "/".
  std::string nativeFolder = PathToAnsi(folder);
  std::replace(nativeFolder.begin(), nativeFolder.end(), '/', '\\');
  char name[MAX_PATH + 1] = {};
  if (::GetTempFileNameA(nativeFolder.c_str(), shortPrefix.c_str(), 0, name) == 0) {
    throw EFCreateError(FormatText(texts::kFCreateError, folder + PathFromAnsi(shortPrefix) + "XXXX.tmp"));
  }
  return PathFromAnsi(name);
}

}  // namespace sorvane
