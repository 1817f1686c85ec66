#include "platform/UpdateSection.h"

namespace sorvane {

// The processor as the build names it (CMake's CMAKE_SYSTEM_PROCESSOR, which
// is also in the portable package's name).
std::string UpdateSection(const std::string& programName) { return programName + "-Linux-" SORVANE_PROCESSOR; }

}  // namespace sorvane
