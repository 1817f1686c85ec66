#include "platform/win32/Win32ScriptRunner.h"

#include <windows.h>

#include "platform/win32/WidePath.h"

namespace sorvane {

void Win32ScriptRunner::RunDetached(const std::string& script) {
  // cmd.exe from the system folder, never one that lies in the program's
  // folder or the current one.
  wchar_t system[MAX_PATH];
  const UINT length = GetSystemDirectoryW(system, MAX_PATH);
  if (length == 0 || length >= MAX_PATH) return;
  const std::wstring interpreter = std::wstring(system, length) + L"\\cmd.exe";
  // "/s" makes cmd drop exactly the outer pair of quotes, so the inner ones
  // keep a path with blanks together. The command line is UTF-16: the
  // script's folder may hold any letter.
  std::wstring commandLine = L"\"" + interpreter + L"\" /s /c \"\"" + WidePath(script) + L"\"\"";

  STARTUPINFOW startup{};
  startup.cb = sizeof startup;
  startup.dwFlags = STARTF_USESHOWWINDOW;
  startup.wShowWindow = SW_HIDE;
  PROCESS_INFORMATION process{};
  if (CreateProcessW(interpreter.c_str(), commandLine.data(), nullptr, nullptr, FALSE,
                     CREATE_NO_WINDOW | CREATE_NEW_PROCESS_GROUP, nullptr, nullptr, &startup, &process)) {
    CloseHandle(process.hThread);
    CloseHandle(process.hProcess);
  }
}

}  // namespace sorvane
