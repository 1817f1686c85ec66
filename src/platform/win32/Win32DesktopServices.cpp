#include "platform/NativeServices.h"
#include "platform/BackslashPath.h"
#include "platform/DesktopMenu.h"
#include "platform/win32/AnsiText.h"
#include "platform/win32/Win32DriveTypes.h"
#include "platform/win32/Win32DynamicLibraries.h"
#include "platform/win32/Win32InternetConnection.h"
#include "platform/win32/Win32PictureDecoder.h"
#include "platform/win32/Win32ProgramFile.h"
#include "platform/win32/Win32ScriptRunner.h"
#include "platform/win32/Win32Shell.h"
#include "platform/win32/Win32SystemFolders.h"
#include "platform/win32/Win32TempFiles.h"
#include "platform/win32/Win32VersionInfo.h"
#include "platform/win32/WindowsApi.h"

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
std::string NativePath(const std::string& path) { return BackslashPath(path); }

// The Windows system folder (GetSystemDirectoryA), where the engines go.
std::string OrvelSystemFolder() {
  char buffer[MAX_PATH + 1] = {};
  const UINT length = ::GetSystemDirectoryA(buffer, MAX_PATH);
  std::string folder = length > 0 && length <= MAX_PATH ? PathFromAnsi(std::string_view(buffer, length)) : "";
  if (folder.empty() || folder.back() != '/') folder += '/';
  return folder;
}

}  // namespace sorvane
