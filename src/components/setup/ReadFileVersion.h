#pragma once

#include <string>

#include "platform/VersionInfo.h"

namespace sorvane {

// The "FileVersion" text of a program file's version block, in the language
// and code page of the block's first translation entry; empty when the file
// is no program, has no version block or the block has no such text.
std::string ReadFileVersion(VersionInfo& versions, const std::string& path);

}  // namespace sorvane
