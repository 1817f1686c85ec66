#include "platform/LibrarySearch.h"

namespace sorvane {

// The dynamic linker never looks into the program's folder unless the
// program's RUNPATH says so, and ours says nothing of the kind.
void LimitLibrarySearch() {}

}  // namespace sorvane
