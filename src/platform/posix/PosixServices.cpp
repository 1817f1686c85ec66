#include "platform/NativeServices.h"
#include "platform/Cp1252CodePage.h"
#include "platform/posix/PosixCalendar.h"
#include "platform/posix/PosixConsole.h"
#include "platform/posix/PosixFileSystem.h"
#include "platform/posix/PosixLocale.h"
#include "platform/posix/ShellScriptDialect.h"
#include "platform/SteadyClock.h"

namespace sorvane {

std::unique_ptr<FileSystem> NewFileSystem() { return std::make_unique<PosixFileSystem>(); }
std::unique_ptr<CodePage> NewCodePage() { return std::make_unique<Cp1252CodePage>(); }
std::unique_ptr<Locale> NewLocale() { return std::make_unique<PosixLocale>(); }
std::unique_ptr<Calendar> NewCalendar() { return std::make_unique<PosixCalendar>(); }
std::unique_ptr<Clock> NewClock() { return std::make_unique<SteadyClock>(); }
std::unique_ptr<ScriptDialect> NewScriptDialect() { return std::make_unique<ShellScriptDialect>(); }
std::unique_ptr<Console> NewConsole() { return std::make_unique<PosixConsole>(); }

}  // namespace sorvane
