#include "platform/win32/Win32SystemFolders.h"

#include "platform/Errors.h"
#include "platform/win32/AnsiText.h"
#include "platform/win32/WindowsApi.h"

namespace sorvane {

std::string Win32SystemFolders::TempPath() {
  char buffer[MAX_PATH + 1] = {};
  const DWORD length = ::GetTempPathA(sizeof buffer, buffer);
  if (length == 0 || length > MAX_PATH) throw Exception(FormatText(texts::kTempFolderNotCreated, "%TEMP%"));
  const DWORD attributes = ::GetFileAttributesA(buffer);
  if (attributes == INVALID_FILE_ATTRIBUTES && !::CreateDirectoryA(buffer, nullptr)) {
    throw Exception(FormatText(texts::kTempFolderNotCreated, PathFromAnsi(buffer)));
  }
  std::string folder = PathFromAnsi(std::string_view(buffer, length));
  if (folder.back() != '/') folder += '/';
  return folder;
}

}  // namespace sorvane
