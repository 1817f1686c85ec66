#include "platform/NativeServices.h"
#include "platform/DesktopMenu.h"
#include "platform/win32/WidePath.h"
#include "platform/win32/Win32DriveTypes.h"
#include "platform/win32/Win32DynamicLibraries.h"
#include "platform/win32/Win32EngineFolder.h"
#include "platform/win32/Win32InternetConnection.h"
#include "platform/win32/Win32PictureDecoder.h"
#include "platform/win32/Win32ProgramFile.h"
#include "platform/win32/Win32ScriptRunner.h"
#include "platform/win32/Win32Shell.h"
#include "platform/win32/Win32SystemFolders.h"
#include "platform/win32/Win32TempFiles.h"
#include "platform/win32/Win32VersionInfo.h"
#include "platform/win32/WindowsApi.h"

#include <shlobj.h>

#include <cstdlib>

namespace sorvane {
namespace {

// On Windows the uninstall list is the place where a user finds installed
// programs, and the registration writes it itself; the program keeps out of
// the Start menu, as a portable program does.
class Win32DesktopMenu final : public DesktopMenu {
 public:
  std::string IconPath(const std::string& /*name*/) override { return {}; }
  void Install(const std::string& /*name*/, const std::string& /*entryText*/,
               std::span<const std::uint8_t> /*iconPng*/) override {}
  void Remove(const std::string& /*name*/) override {}
  void InstallFileType(const std::string& /*name*/, const std::string& /*mimeType*/,
                       const std::string& /*mimeInfo*/, std::span<const std::uint8_t> /*iconPng*/) override {}
  void RemoveFileType(const std::string& /*name*/, const std::string& /*mimeType*/) override {}
};

}  // namespace

std::unique_ptr<Shell> NewShell() { return std::make_unique<Win32Shell>(); }
std::unique_ptr<SystemFolders> NewSystemFolders() { return std::make_unique<Win32SystemFolders>(); }
std::unique_ptr<PictureDecoder> NewPictureDecoder() { return std::make_unique<Win32PictureDecoder>(); }
std::unique_ptr<VersionInfo> NewVersionInfo() { return std::make_unique<Win32VersionInfo>(); }
std::unique_ptr<DesktopMenu> NewDesktopMenu() { return std::make_unique<Win32DesktopMenu>(); }
std::unique_ptr<ProgramFile> NewProgramFile() { return std::make_unique<Win32ProgramFile>(); }
std::unique_ptr<TempFiles> NewTempFiles() { return std::make_unique<Win32TempFiles>(); }
std::unique_ptr<DriveTypes> NewDriveTypes() { return std::make_unique<Win32DriveTypes>(); }
std::unique_ptr<DynamicLibraries> NewDynamicLibraries() { return std::make_unique<Win32DynamicLibraries>(); }
std::unique_ptr<InternetConnection> NewInternetConnection() { return std::make_unique<Win32InternetConnection>(); }
std::unique_ptr<ScriptRunner> NewScriptRunner() { return std::make_unique<Win32ScriptRunner>(); }

// The engines' folder: $ORVEL_SYSTEM_DIR when set (tests), else the Windows
// system folder (GetSystemDirectoryW) when it takes files, else the user's
// %LOCALAPPDATA%\Orvel\System\ (Win32EngineFolder.h says why).
std::string OrvelSystemFolder() {
  if (const wchar_t* chosen = ::_wgetenv(L"ORVEL_SYSTEM_DIR"); chosen != nullptr && *chosen != L'\0') {
    std::string folder = PathFromWide(chosen);
    if (folder.back() != '/') folder += '/';
    return ChooseEngineFolder(folder, folder);
  }
  wchar_t buffer[MAX_PATH + 1] = {};
  const UINT length = ::GetSystemDirectoryW(buffer, MAX_PATH);
  std::string system = length > 0 && length <= MAX_PATH ? PathFromWide(std::wstring_view(buffer, length)) : "";
  if (!system.empty() && system.back() != '/') system += '/';
  wchar_t local[MAX_PATH + 1] = {};
  std::string user = ::SHGetFolderPathW(nullptr, CSIDL_LOCAL_APPDATA | CSIDL_FLAG_CREATE, nullptr, 0, local) == S_OK
                         ? PathFromWide(local)
                         : std::string();
  if (user.empty()) user = system.empty() ? "C:/" : system;  // nowhere better to try
  if (user.back() != '/') user += '/';
  return ChooseEngineFolder(system, user + "Orvel/System/");
}

}  // namespace sorvane
