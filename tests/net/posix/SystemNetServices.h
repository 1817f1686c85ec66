#pragma once

#include "platform/posix/PosixFileSystem.h"
#include "platform/posix/PosixNetwork.h"

namespace sorvane::testing {

// The real services the net tests run over on this system.
using SystemNetwork = PosixNetwork;
using SystemFileSystem = PosixFileSystem;

// Whether a receive after the peer's reset reports the reset.
inline bool ResetsAreReported() { return true; }

}  // namespace sorvane::testing
