#pragma once

#include "platform/DynamicLibrary.h"

namespace sorvane {

// DLLs through LoadLibraryExA, by the full path they are given, with their
// own imports from the system folder (Win32LibrarySearch.h); the UTF-8 path
// is converted to the ANSI code page at the call.
class Win32DynamicLibraries : public DynamicLibraries {
 public:
  std::unique_ptr<DynamicLibrary> Open(const std::string& path, std::string& reason) override;
};

}  // namespace sorvane
