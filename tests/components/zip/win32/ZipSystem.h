#pragma once

#include "platform/win32/Win32DynamicLibraries.h"
#include "platform/win32/Win32FileSystem.h"

namespace sorvane {

// The real services the ZIP tests run over on this system.
using SystemFileSystem = Win32FileSystem;
using SystemLibraries = Win32DynamicLibraries;

}  // namespace sorvane
