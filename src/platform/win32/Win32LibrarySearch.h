#pragma once

namespace sorvane {

// The LoadLibraryExA flags for a library given by its full path that keep
// the libraries it imports to the system folder: LOAD_LIBRARY_SEARCH_SYSTEM32
// where Windows knows it (8, and 7 and Vista with KB2533623), else
// LOAD_WITH_ALTERED_SEARCH_PATH, which looks into the library's own folder
// before the system folder and never into the program's.
unsigned long ImportSearchFlags();

}  // namespace sorvane
