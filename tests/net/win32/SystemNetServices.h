#pragma once

#include "platform/win32/Win32FileSystem.h"
#include "platform/win32/Win32Network.h"
#include "platform/win32/WindowsApi.h"

namespace sorvane::testing {

// The real services the net tests run over on this system.
using SystemNetwork = Win32Network;
using SystemFileSystem = Win32FileSystem;

// Whether a receive after the peer's reset reports the reset: Windows does
// (WSAECONNRESET), Wine 8 reports the end of the connection instead.
inline bool ResetsAreReported() {
  return ::GetProcAddress(::GetModuleHandleA("ntdll.dll"), "wine_get_version") == nullptr;
}

}  // namespace sorvane::testing
