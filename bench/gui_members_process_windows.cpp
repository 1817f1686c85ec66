#include "gui_members_process.h"

// psapi.h needs the types of windows.h before it.
#include <windows.h>
#include <psapi.h>

namespace sorvane {

// The registry and the folders are the user's; the benchmark runs in a
// Wine prefix of its own.
void KeepSettingsIn(const std::filesystem::path&) {}

long PeakMemoryKiB() {
  PROCESS_MEMORY_COUNTERS counters{};
  counters.cb = sizeof counters;
  if (!GetProcessMemoryInfo(GetCurrentProcess(), &counters, sizeof counters)) return -1;
  return static_cast<long>(counters.PeakWorkingSetSize / 1024);
}

void ForgetPeakMemory() {}

}  // namespace sorvane
