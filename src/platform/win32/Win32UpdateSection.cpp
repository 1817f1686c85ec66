#include "platform/UpdateSection.h"

namespace sorvane {

std::string UpdateSection(const std::string& programName) { return programName; }

}  // namespace sorvane
