#pragma once

namespace sorvane {

// Keeps the libraries the program loads by name to the system's own folder,
// so that none of a stranger's lying beside the program is taken for one of
// them. Called first thing in main of each program; a library (the ZIP
// engines) leaves the search of the process that loads it alone.
void LimitLibrarySearch();

}  // namespace sorvane
