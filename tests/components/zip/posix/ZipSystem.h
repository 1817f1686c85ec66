#pragma once

#include "platform/posix/PosixDynamicLibraries.h"
#include "platform/posix/PosixFileSystem.h"

namespace sorvane {

// The real services the ZIP tests run over on this system.
using SystemFileSystem = PosixFileSystem;
using SystemLibraries = PosixDynamicLibraries;

}  // namespace sorvane
