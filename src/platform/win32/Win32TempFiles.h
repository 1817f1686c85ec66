#pragma once

#include "platform/TempFiles.h"

namespace sorvane {

// Temporary files by the system's naming (GetTempFileNameA with the number
// 0): "<folder><prefix>XXXX.tmp" with four hexadecimal digits, created empty
// with CREATE_NEW, so a file planted under a name makes the system take the
// next one instead of opening it.
class Win32TempFiles : public TempFiles {
 public:
  std::string CreateUniqueFile(const std::string& folder, const std::string& prefix) override;
};

}  // namespace sorvane
