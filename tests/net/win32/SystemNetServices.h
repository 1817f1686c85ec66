#pragma once

#include "platform/win32/Win32FileSystem.h"
#include "platform/win32/Win32Network.h"

namespace sorvane::testing {

// The real services the net tests run over on this system.
using SystemNetwork = Win32Network;
using SystemFileSystem = Win32FileSystem;

}  // namespace sorvane::testing
