#pragma once

#include <string>

namespace sorvane {

// The section of the update list that this system's program reads, for the
// program named programName. Windows, where the list began, reads the name
// itself ("ZVQ"); another system reads the name followed by "-", the
// system and the processor ("ZVQ-Linux-x86_64"), so that one list on one
// server offers each system its own archive, and an archive signed for one
// cannot be installed on another (the section is part of the signed offer).
std::string UpdateSection(const std::string& programName);

}  // namespace sorvane
