#pragma once

#include "platform/posix/PosixFileSystem.h"
#include "platform/posix/PosixNetwork.h"

namespace sorvane::testing {

// The real services the net tests run over on this system.
using SystemNetwork = PosixNetwork;
using SystemFileSystem = PosixFileSystem;

}  // namespace sorvane::testing
