// What the programs do at run time, where --help and --version do nothing of
// it: a late import's first call (iphlpapi.dll, through the build's
// delay-import library) and a DLL loaded by its name alone (winmm.dll, as
// the toolkit loads its DLLs), after the start every program makes.
#include <windows.h>
#include <iphlpapi.h>

#include <cstdio>

#include "platform/LibrarySearch.h"

int main() {
  sorvane::LimitLibrarySearch();
  DWORD interfaces = 0;
  const DWORD asked = GetNumberOfInterfaces(&interfaces);
  const HMODULE byName = LoadLibraryA("winmm.dll");
  std::printf("interfaces %s, winmm %s\n", asked == NO_ERROR ? "counted" : "not counted",
              byName != nullptr ? "loaded" : "missing");
  return asked == NO_ERROR && byName != nullptr ? 0 : 1;
}
