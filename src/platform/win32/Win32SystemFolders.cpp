#include "platform/win32/Win32SystemFolders.h"

#include "platform/Errors.h"
#include "platform/win32/WidePath.h"
#include "platform/win32/WindowsApi.h"

namespace sorvane {

std::string Win32SystemFolders::TempPath() {
  wchar_t buffer[MAX_PATH + 2] = {};
  const DWORD length = ::GetTempPathW(MAX_PATH + 1, buffer);
  if (length == 0 || length > MAX_PATH + 1) throw Exception(FormatText(texts::kTempFolderNotCreated, "%TEMP%"));
  const DWORD attributes = ::GetFileAttributesW(buffer);
  if (attributes == INVALID_FILE_ATTRIBUTES && !::CreateDirectoryW(buffer, nullptr)) {
    throw Exception(FormatText(texts::kTempFolderNotCreated, PathFromWide(buffer)));
  }
  std::string folder = PathFromWide(std::wstring_view(buffer, length));
  if (folder.back() != '/') folder += '/';
  return folder;
}

}  // namespace sorvane
