#include <stdlib.h>

#include <cstdlib>
#include <fstream>
#include <string>

#include "gui_members_process.h"

namespace sorvane {

void KeepSettingsIn(const std::filesystem::path& work) {
  setenv("ORVEL_REGISTRY_DIR", (work / "registry").c_str(), 1);
  setenv("XDG_DATA_HOME", (work / "data").c_str(), 1);
  setenv("ORVEL_SYSTEM_DIR", (work / "system").c_str(), 1);
}

long PeakMemoryKiB() {
  std::ifstream status("/proc/self/status");
  for (std::string line; std::getline(status, line);) {
    if (line.rfind("VmHWM:", 0) == 0) return std::strtol(line.c_str() + 6, nullptr, 10);
  }
  return -1;
}

void ForgetPeakMemory() { std::ofstream("/proc/self/clear_refs") << "5"; }

}  // namespace sorvane
