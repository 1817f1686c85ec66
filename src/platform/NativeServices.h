#pragma once

#include <memory>
#include <string>

#include "platform/Calendar.h"
#include "platform/Clock.h"
#include "platform/CodePage.h"
#include "platform/Console.h"
#include "platform/FileSystem.h"
#include "platform/Locale.h"
#include "platform/Network.h"
#include "platform/RegistryStore.h"
#include "platform/ScriptDialect.h"

namespace sorvane {

// The desktop program's services, declared only: their headers come with the
// classes that implement them, and stay out of the command line tools and of
// the system's own headers' way (<windows.h> defines DRIVE_* and FO_*).
class DesktopMenu;
class DriveTypes;
class DynamicLibraries;
class InternetConnection;
class PictureDecoder;
class ProgramFile;
class ScriptRunner;
class Shell;
class SystemFolders;
class TempFiles;
class VersionInfo;

// The real services of the system the program runs on, for the places that
// put a program together (the command line tools' main functions). Each
// system's folder under platform/ defines them over its own classes, so that
// nothing above platform/ names a system.

std::unique_ptr<FileSystem> NewFileSystem();
// The ANSI code page the program's container texts are written in.
std::unique_ptr<CodePage> NewCodePage();
// The user's regional settings.
std::unique_ptr<Locale> NewLocale();
std::unique_ptr<Calendar> NewCalendar();
std::unique_ptr<Clock> NewClock();
// The dialect of the update script as the system's command interpreter runs it.
std::unique_ptr<ScriptDialect> NewScriptDialect();
// The terminal the program was started in.
std::unique_ptr<Console> NewConsole();
// TCP/IP; one per program (Network.h).
std::unique_ptr<Network> NewNetwork();

// Writes bytes into a new file at path that only this user may read (a
// secret key). False when something is there already, which is never
// replaced, or the file could not be written whole.
bool WritePrivateFile(const std::string& path, const std::string& bytes);

// The registry store the program and the command line tools share: the
// user's. Nothing is created until the first change.
std::unique_ptr<RegistryStore> OpenUserRegistryStore();
// Where that store keeps its keys, for help texts; lines of at most 90
// characters.
std::string UserRegistryPlace();

// The desktop program's services beyond those (library
// sorvane_native_desktop): the shell's file actions and folder browser, the
// temporary and system folders, picture decoding, version blocks of program
// files, the desktop's application menu, the running program's file,
// temporary files, drive types, libraries loaded at run time, the connected
// state and the start of the update script at program end.
std::unique_ptr<Shell> NewShell();
std::unique_ptr<SystemFolders> NewSystemFolders();
std::unique_ptr<PictureDecoder> NewPictureDecoder();
std::unique_ptr<VersionInfo> NewVersionInfo();
std::unique_ptr<DesktopMenu> NewDesktopMenu();
std::unique_ptr<ProgramFile> NewProgramFile();
std::unique_ptr<TempFiles> NewTempFiles();
std::unique_ptr<DriveTypes> NewDriveTypes();
std::unique_ptr<DynamicLibraries> NewDynamicLibraries();
std::unique_ptr<InternetConnection> NewInternetConnection();
std::unique_ptr<ScriptRunner> NewScriptRunner();
// The folder where the update component places the ZIP engine libraries,
// with a trailing "/".
std::string OrvelSystemFolder();
// The face name of the system's message font, in which the system's dialogs
// write; "" where the system names none (under X each toolkit brings its
// own, and the toolkit's default font for controls stands in for it).
std::string SystemMessageFontFace();

}  // namespace sorvane
