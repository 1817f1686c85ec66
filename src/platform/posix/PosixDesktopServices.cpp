#include "platform/NativeServices.h"
#include "platform/posix/PosixDesktopMenu.h"
#include "platform/posix/PosixDriveTypes.h"
#include "platform/posix/PosixDynamicLibraries.h"
#include "platform/posix/PosixInternetConnection.h"
#include "platform/posix/PosixPictureDecoder.h"
#include "platform/posix/PosixProgramFile.h"
#include "platform/posix/PosixScriptRunner.h"
#include "platform/posix/PosixShell.h"
#include "platform/posix/PosixSystemFolders.h"
#include "platform/posix/PosixTempFiles.h"
#include "platform/posix/PosixVersionInfo.h"

namespace sorvane {

std::unique_ptr<Shell> NewShell() { return std::make_unique<PosixShell>(); }
std::unique_ptr<SystemFolders> NewSystemFolders() { return std::make_unique<PosixSystemFolders>(); }
std::unique_ptr<PictureDecoder> NewPictureDecoder() { return std::make_unique<PosixPictureDecoder>(); }
std::unique_ptr<VersionInfo> NewVersionInfo() { return std::make_unique<PosixVersionInfo>(); }
std::unique_ptr<DesktopMenu> NewDesktopMenu() { return std::make_unique<PosixDesktopMenu>(); }
std::unique_ptr<ProgramFile> NewProgramFile() { return std::make_unique<PosixProgramFile>(); }
std::unique_ptr<TempFiles> NewTempFiles() { return std::make_unique<PosixTempFiles>(); }
std::unique_ptr<DriveTypes> NewDriveTypes() { return std::make_unique<PosixDriveTypes>(); }
std::unique_ptr<DynamicLibraries> NewDynamicLibraries() { return std::make_unique<PosixDynamicLibraries>(); }
std::unique_ptr<InternetConnection> NewInternetConnection() { return std::make_unique<PosixInternetConnection>(); }
std::unique_ptr<ScriptRunner> NewScriptRunner() { return std::make_unique<PosixScriptRunner>(); }

// X itself has no fonts for dialogs; the desktop's settings are the
// toolkit's to read.
std::string SystemMessageFontFace() { return {}; }

}  // namespace sorvane
