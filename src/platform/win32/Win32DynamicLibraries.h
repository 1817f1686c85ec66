#pragma once

#include "platform/DynamicLibrary.h"

namespace sorvane {

// DLLs through LoadLibraryA; the UTF-8 path is converted to the ANSI code
// page at the call.
class Win32DynamicLibraries : public DynamicLibraries {
 public:
  std::unique_ptr<DynamicLibrary> Open(const std::string& path, std::string& reason) override;
};

}  // namespace sorvane
