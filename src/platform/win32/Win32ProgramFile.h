#pragma once

#include "platform/ProgramFile.h"

namespace sorvane {

// The running program's file as the system reports it (GetModuleFileNameA),
// in "/" form.
class Win32ProgramFile : public ProgramFile {
 public:
  // Throws EFOpenError when the system does not tell the path.
  std::string ProgramPath() override;
  std::string NativeProgramPath() override;
};

}  // namespace sorvane
