#include "platform/BatchScriptDialect.h"
#include "platform/NativeServices.h"
#include "platform/SteadyClock.h"
#include "platform/win32/Win32BatchPath.h"
#include "platform/win32/Win32Calendar.h"
#include "platform/win32/Win32CodePage.h"
#include "platform/win32/Win32Console.h"
#include "platform/win32/Win32FileSystem.h"
#include "platform/win32/Win32Locale.h"

namespace sorvane {

std::unique_ptr<FileSystem> NewFileSystem() { return std::make_unique<Win32FileSystem>(); }
std::unique_ptr<CodePage> NewCodePage() { return std::make_unique<Win32CodePage>(); }
std::unique_ptr<Locale> NewLocale() { return std::make_unique<Win32Locale>(); }
std::unique_ptr<Calendar> NewCalendar() { return std::make_unique<Win32Calendar>(); }
std::unique_ptr<Clock> NewClock() { return std::make_unique<SteadyClock>(); }
// cmd.exe reads batch files in the OEM code page; a path it lacks letters
// for goes in by its short form.
std::unique_ptr<ScriptDialect> NewScriptDialect() { return std::make_unique<BatchScriptDialect>(BatchFilePath); }
std::unique_ptr<Console> NewConsole() { return std::make_unique<Win32Console>(); }

std::string UserRegistryPlace() {
  return "die Registrierung von Windows; was\n"
         "HKEY_LOCAL_MACHINE nicht annimmt, steht unter HKEY_CURRENT_USER";
}

}  // namespace sorvane
