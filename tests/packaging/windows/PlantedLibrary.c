// A stranger's DLL for the planted-library test: it does nothing but leave a
// mark beside its own file when a program loads it: "<file>.imported" when
// the loader takes it for an import table while the process starts, else
// "<file>.loaded" (LoadLibrary, a late import).
#include <windows.h>

BOOL WINAPI DllMain(HINSTANCE self, DWORD reason, LPVOID reserved) {
  if (reason != DLL_PROCESS_ATTACH) return TRUE;
  char path[MAX_PATH + 16];
  const DWORD length = GetModuleFileNameA(self, path, MAX_PATH);
  if (length == 0 || length >= MAX_PATH) return TRUE;
  // The loader passes a context for the DLLs of the start, none otherwise.
  lstrcpyA(path + length, reserved != NULL ? ".imported" : ".loaded");
  const HANDLE mark = CreateFileA(path, GENERIC_WRITE, 0, NULL, CREATE_ALWAYS, 0, NULL);
  if (mark != INVALID_HANDLE_VALUE) CloseHandle(mark);
  return TRUE;
}
