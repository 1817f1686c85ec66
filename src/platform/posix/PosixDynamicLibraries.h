#pragma once

#include "platform/DynamicLibrary.h"

namespace sorvane {

// Shared libraries through dlopen, each with its symbols local to it.
class PosixDynamicLibraries : public DynamicLibraries {
 public:
  std::unique_ptr<DynamicLibrary> Open(const std::string& path, std::string& reason) override;
};

}  // namespace sorvane
