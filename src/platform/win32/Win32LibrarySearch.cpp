#include "platform/win32/Win32LibrarySearch.h"

#include <string>

#include "platform/LibrarySearch.h"
#include "platform/win32/WindowsApi.h"

// <delayimp.h> after <windows.h>, which it needs.
#include <delayimp.h>

// The system DLLs that are no KnownDLLs are imported late
// (cmake/SorvaneDelayImports.cmake). Every link asks for the hook below, so
// the linker takes this file from sorvane_win32 instead of the empty hook of
// the mingw-w64 runtime, which comes later on the line.

namespace sorvane {
namespace {

bool KnowsSearchFlags() {
  // AddDllDirectory came with the search flags, as Microsoft documents.
  static const bool knows =
      ::GetProcAddress(::GetModuleHandleA("kernel32.dll"), "AddDllDirectory") != nullptr;
  return knows;
}

// A late import, loaded before the delay-load helper could search for it by
// its name alone: by its name, but from the system folder only, and so are
// the DLLs it imports in turn. Where Windows lacks the search flags, by its
// full path in the system folder. The hook is plain data, set before any
// code runs, so it holds for calls of constructors too.
FARPROC WINAPI LoadFromSystemFolder(unsigned notification, PDelayLoadInfo info) {
  if (notification != dliNotePreLoadLibrary) return nullptr;
  if (KnowsSearchFlags()) {
    return reinterpret_cast<FARPROC>(::LoadLibraryExA(info->szDll, nullptr, LOAD_LIBRARY_SEARCH_SYSTEM32));
  }
  wchar_t folder[MAX_PATH];
  const UINT length = ::GetSystemDirectoryW(folder, MAX_PATH);
  if (length == 0 || length >= MAX_PATH) return nullptr;
  // The import's name is ASCII; the system folder may hold any letter.
  std::wstring path = std::wstring(folder, length) + L"\\";
  for (const char* c = info->szDll; *c != '\0'; ++c) path += static_cast<wchar_t>(static_cast<unsigned char>(*c));
  return reinterpret_cast<FARPROC>(::LoadLibraryExW(path.c_str(), nullptr, LOAD_WITH_ALTERED_SEARCH_PATH));
}

}  // namespace

unsigned long ImportSearchFlags() {
  return KnowsSearchFlags() ? LOAD_LIBRARY_SEARCH_SYSTEM32 : LOAD_WITH_ALTERED_SEARCH_PATH;
}

void LimitLibrarySearch() {
  // Also for what the toolkit and the system DLLs load by name later (the
  // themes, the accessibility and printing DLLs).
  using SetDefaultDllDirectoriesFunction = BOOL(WINAPI*)(DWORD);
  const auto setDefault = reinterpret_cast<SetDefaultDllDirectoriesFunction>(
      reinterpret_cast<void*>(::GetProcAddress(::GetModuleHandleA("kernel32.dll"), "SetDefaultDllDirectories")));
  if (setDefault != nullptr && setDefault(LOAD_LIBRARY_SEARCH_SYSTEM32)) return;
  // Without it the program's folder stays in the search; at least the
  // current folder, a document's folder say, leaves it.
  ::SetDllDirectoryW(L"");
}

}  // namespace sorvane

extern "C" {
PfnDliHook __pfnDliNotifyHook2 = sorvane::LoadFromSystemFolder;
}
