// Starts the command line after its own name as Windows starts a window
// program from a console: without handing over the standard handles (Wine
// hands them over, Windows does not). Waits for it; its exit status.
#include <windows.h>

int main(void) {
  const char* line = GetCommandLineA();
  const char end = *line == '"' ? '"' : ' ';
  if (*line == '"') ++line;
  while (*line != '\0' && *line != end) ++line;
  if (*line != '\0') ++line;
  while (*line == ' ') ++line;

  STARTUPINFOA startup;
  ZeroMemory(&startup, sizeof startup);
  startup.cb = sizeof startup;
  startup.dwFlags = STARTF_USESTDHANDLES;  // and all three of them none
  PROCESS_INFORMATION process;
  char command[32768];
  lstrcpynA(command, line, sizeof command);
  if (!CreateProcessA(NULL, command, NULL, NULL, FALSE, 0, NULL, NULL, &startup, &process)) return 127;
  WaitForSingleObject(process.hProcess, INFINITE);
  DWORD status = 1;
  GetExitCodeProcess(process.hProcess, &status);
  return (int)status;
}
