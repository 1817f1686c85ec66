#pragma once

#include <filesystem>

namespace sorvane {

// What the members benchmark needs of its own process, which each system
// answers its own way (gui_members_process_linux.cpp, ..._windows.cpp).

// Points the settings a normal start writes (the registry, the desktop
// menu, the update engines' folder) into work, away from the user's. On
// Windows they go to the registry of whoever runs the benchmark: under Wine
// the benchmark's own prefix.
void KeepSettingsIn(const std::filesystem::path& work);

// The process's peak resident memory so far, in KiB: the high-water mark of
// its resident set (VmHWM) on Linux, its peak working set on Windows. Under
// Wine the second is the first, read by Wine for the Wine process, so the two
// figures measure the same thing. -1 when unknown.
long PeakMemoryKiB();

// Starts the peak anew from what the process holds now, where the system
// can: the container that the benchmark writes itself, in memory, is no
// part of the program's figure. Windows keeps the peak for the process's
// life; gui_wine_run.sh lets the Linux build write the container.
void ForgetPeakMemory();

}  // namespace sorvane
