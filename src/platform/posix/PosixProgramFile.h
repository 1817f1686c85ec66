#pragma once

#include <string>

#include "platform/ProgramFile.h"

namespace sorvane {

// The running program's file as the kernel reports it (/proc/self/exe), so
// that the result does not depend on how or from where it was started.
class PosixProgramFile : public ProgramFile {
 public:
  // Throws EFOpenError when the kernel does not tell the path.
  std::string ProgramPath() override;
};

}  // namespace sorvane
